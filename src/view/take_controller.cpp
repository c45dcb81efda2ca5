#include "view/take_controller.h"

#include <system_error>

#include "app/other_files.h"
#include "audio/date_file.h"
#include "audio/input_buffer_bytes.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "clients/client_folders.h"
#include "clients/recording_names.h"
#include "core/string_table.h"
#include "view/analysis_view.h"

namespace velmora {

namespace {
constexpr int kRateCommand11025 = 40124;
constexpr int kRateCommand22050 = 40125;
constexpr int kRateCommand44100 = 40126;

void removeQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}
}  // namespace

int recordFormatCodeForCommand(int commandId) {
  switch (commandId) {
    case kRateCommand11025: return 3;
    case kRateCommand22050: return 5;
    case kRateCommand44100: return 7;
    default: return 0;
  }
}

TakeController::TakeController(AnalysisView& view, SoundRecorder& recorder, SoundPlayer& player, Interaction& ui,
                               TakeClientSource client, std::function<void()> stateChanged)
    : view_(view), recorder_(recorder), player_(player), ui_(ui), client_(std::move(client)),
      stateChanged_(std::move(stateChanged)) {
  recorder_.setObserver(this);
}

TakeController::~TakeController() { recorder_.setObserver(nullptr); }

void TakeController::toggleRecord(bool fromBar) {
  if (recording_)
    stopTake();
  else
    startTake(fromBar);
  if (stateChanged_) stateChanged_();
}

bool TakeController::recordRateCommand(int commandId) {
  const int code = recordFormatCodeForCommand(commandId);
  if (code == 0 || recording_) return false;
  if (!recorder_.setFormat(code)) return false;
  view_.setRecorderRate(recorder_.sampleRateHz());
  return true;
}

void TakeController::bufferSizeChanged() {
  if (recording_ && !paused_) recorder_.resetInput();
}

bool TakeController::chooseTarget(const TakeClient& client) {
  if (client.code == kOtherFilesCode) {
    number_ = -1;
    target_ = otherFilesFolder(client.workingFolder) / SoundRecorder::kTempFileName;
    view_.showTakeTitle(QString());
    return true;
  }
  number_ = nextRecordingNumber(ui_, client.workingFolder, client.code);
  if (number_ < 0) return false;
  target_ = recordingPath(client.workingFolder, client.code, number_,
                          prefixForRate(static_cast<uint32_t>(recorder_.sampleRateHz())));
  view_.showTakeTitle(QString::fromStdString(formatv(velmora::tr(166), client.name, number_)));
  return true;
}

void TakeController::startTake(bool fromBar) {
  const TakeClient client = client_ ? client_() : TakeClient{};
  if (client.code == kNoClient || view_.mode() == ModeEmpty) return;
  if (player_.isOpen()) {
    player_.reset();
    player_.waitClosed();
  }
  view_.closeRecording();
  if (!chooseTarget(client)) {
    // The client is full (57713 was shown): the view waits with nothing open.
    view_.setEmptyMode();
    view_.spectrogramBar()->updateRateCombo()->setEnabled(true);
    view_.powerSpectrumBar()->updateRateCombo()->setEnabled(true);
    return;
  }
  setBarsRecording(fromBar);
  paused_ = false;
  liveBytes_ = 0;
  const int rate = recorder_.sampleRateHz();
  view_.beginLiveDisplay(rate);
  view_.applyUpdateRateOfBar();
  live_.start(rate, view_.geometry().graphWidth);
  if (recorder_.start(target_, view_.spectrogramBar()->selectedUpdateRateIndex())) {
    recording_ = true;
    return;
  }
  if (player_.isOpen()) {
    player_.reset();
    player_.close();
  }
  setBarsIdle(false);
  for (TransportButtons* t : view_.transports()) t->recordButton()->setEnabled(false);
}

void TakeController::pauseOrResume() {
  if (!recording_) return;
  if (paused_) {
    view_.beginLiveDisplay(recorder_.sampleRateHz());
    live_.start(recorder_.sampleRateHz(), view_.geometry().graphWidth);
    recorder_.resume();
    paused_ = false;
  } else {
    recorder_.pause();
    paused_ = true;
  }
  for (TransportButtons* t : view_.transports())
    t->recordPauseButton()->setIcon(barIcon(paused_ ? BarIcon::Record : BarIcon::Pause));
  if (stateChanged_) stateChanged_();
}

void TakeController::stopTake() {
  stopping_ = true;
  recorder_.stopTake();
  stopping_ = false;
  recording_ = false;
  paused_ = false;
  for (TransportButtons* t : view_.transports()) t->playButton()->setEnabled(false);
  const TakeClient client = client_ ? client_() : TakeClient{};
  std::optional<std::filesystem::path> kept;
  if (client.code == kOtherFilesCode) {
    kept = keepOtherFilesTake(client);
  } else if (keepClientTake()) {
    kept = target_;
  }
  setBarsIdle(kept.has_value());
  view_.setF0Readout(0);
  if (!kept) {
    view_.closeRecording();
    view_.showTakeTitle(QString::fromStdString(client.name));
    return;
  }
  if (client.code == kOtherFilesCode)
    view_.openRecordingByPath(*kept);
  else
    view_.openNumberedRecording(*kept, number_, client.name);
  for (TransportButtons* t : view_.transports()) t->playButton()->setEnabled(view_.hasSamples());
}

bool TakeController::keepClientTake() {
  std::error_code ec;
  if (!recorder_.wavWritten() || !std::filesystem::exists(target_, ec)) return false;
  const bool keep = ui_.askYesNo(Message{kKeepTakeQuestionId, kKeepTakeQuestion, {}, MessageIcon::Question});
  if (!keep) {
    removeQuietly(target_);
    return false;
  }
  writeDateFile(target_, ui_);
  return true;
}

std::optional<std::filesystem::path> TakeController::keepOtherFilesTake(const TakeClient& client) {
  std::error_code ec;
  if (!recorder_.wavWritten() || !std::filesystem::exists(target_, ec)) return std::nullopt;
  FileRequest request;
  request.startFolder = otherFilesFolder(client.workingFolder);
  request.filter = velmora::tr(188);
  request.defaultExtension = "wav";
  request.confirmOverwrite = true;
  const std::optional<std::filesystem::path> chosen = ui_.chooseSaveFile(request);
  if (!chosen) {
    removeQuietly(target_);
    return std::nullopt;
  }
  std::filesystem::path destination = *chosen;
  if (destination.extension().empty()) destination += ".wav";
  std::filesystem::copy_file(target_, destination, std::filesystem::copy_options::overwrite_existing, ec);
  removeQuietly(target_);
  if (ec) {
    removeQuietly(destination);
    showMessage(ui_, 57732);
    return std::nullopt;
  }
  writeDateFile(destination, ui_);
  return destination;
}

void TakeController::setBarsRecording(bool fromBar) {
  for (TransportButtons* t : view_.transports()) {
    t->recordButton()->setEnabled(true);
    t->recordButton()->setIcon(barIcon(BarIcon::Stop));
    t->recordPauseButton()->setIcon(barIcon(BarIcon::Pause));
    t->recordPauseButton()->setEnabled(true);
    t->rateButton()->setEnabled(false);
    t->playButton()->setEnabled(false);
  }
  if (fromBar) {
    view_.spectrogramBar()->updateRateCombo()->setEnabled(false);
    view_.powerSpectrumBar()->updateRateCombo()->setEnabled(false);
  }
}

void TakeController::setBarsIdle(bool fileRemains) {
  for (TransportButtons* t : view_.transports()) {
    t->recordButton()->setIcon(barIcon(BarIcon::Record));
    t->recordButton()->setEnabled(true);
    t->playPauseButton()->setEnabled(false);
    t->playPauseButton()->setIcon(barIcon(BarIcon::Pause));
    t->recordPauseButton()->setEnabled(false);
    t->recordPauseButton()->setIcon(barIcon(BarIcon::Pause));
    t->rateButton()->setEnabled(true);
    t->playButton()->setEnabled(fileRemains);
  }
  view_.spectrogramBar()->updateRateCombo()->setEnabled(true);
  view_.powerSpectrumBar()->updateRateCombo()->setEnabled(true);
}

void TakeController::takeOpened() { live_.resetF0Counter(); }

void TakeController::takeBufferReturned(const TakeBuffer& buffer) {
  if (!buffer.paused) liveBytes_ += static_cast<long long>(buffer.byteCount);
  if (!buffer.stopping && !buffer.paused && buffer.sampleCount > 0) drawLive(buffer);
}

void TakeController::drawLive(const TakeBuffer& buffer) {
  view_.drawLiveBlock(live_, buffer.samples, buffer.sampleCount);
  if (view_.showsF0()) {
    if (const std::optional<float> hz = live_.f0Due(inputBufferBytes())) view_.setF0Readout(*hz);
  }
}

void TakeController::takeClosed() {
  // The recorder stopped by itself (a failed write to grav.tmp): finish as for a user stop.
  if (recording_ && !stopping_) {
    stopTake();
    if (stateChanged_) stateChanged_();
  }
}

}  // namespace velmora
