#include "view/take_controller.h"

#include <algorithm>
#include <system_error>

#include "audio/input_buffer_bytes.h"
#include "audio/record_format.h"
#include "audio/temp_sample_file.h"
#include "clients/client_folders.h"
#include "clients/date_file.h"
#include "clients/other_files.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "document/take_recovery.h"
#include "presentation/bar_choices.h"
#include "presentation/command_ids.h"
#include "view/playback_controller.h"

namespace velmora {

namespace {
void removeQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}
}  // namespace

int recordFormatCodeForCommand(int commandId) {
  switch (commandId) {
    case cmd::Rate11025: return Record11025Mono16;
    case cmd::Rate22050: return Record22050Mono16;
    case cmd::Rate44100: return Record44100Mono16;
    default: return 0;
  }
}

TakeController::TakeController(DocumentController& documents, ViewDisplay& display, ViewHost& host,
                               SoundRecorder& recorder, SoundPlayer& player, Interaction& ui, TakeClientSource client,
                               std::function<void()> stateChanged)
    : documents_(documents), display_(display), host_(host), recorder_(recorder), player_(player), ui_(ui), client_(std::move(client)),
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
  display_.setRecorderRate(recorder_.sampleRateHz());
  return true;
}

void TakeController::bufferSizeChanged() {
  if (recording_ && !paused_) recorder_.resetInput();
}

void TakeController::displayModeChanged() {
  if (!recording_) return;
  applyUpdateRateOfBar(recorder_.sampleRateHz());
  bufferSizeChanged();
}

bool TakeController::chooseTarget(const TakeClient& client) {
  if (client.code == kOtherFilesCode) {
    number_ = -1;
    target_ = otherFilesFolder(client.workingFolder) / SoundRecorder::kTempFileName;
    host_.showTitle(std::string());
    return true;
  }
  number_ = nextRecordingNumber(ui_, client.workingFolder, client.code);
  if (number_ < 0) return false;
  target_ = recordingPath(client.workingFolder, client.code, number_,
                          prefixForRate(static_cast<uint32_t>(recorder_.sampleRateHz())));
  host_.showTitle(formatv(velmora::tr(str::TakeTitle), client.name, number_));
  return true;
}

void TakeController::startTake(bool fromBar) {
  const TakeClient client = client_ ? client_() : TakeClient{};
  if (client.code == kNoClient || display_.mode() == ModeEmpty) return;
  if (player_.isOpen()) {
    player_.reset();
    player_.waitClosed();
  }
  documents_.close();
  if (!chooseTarget(client)) {
    // The client is full (msg::TooManyRecordings was shown): the view waits with nothing open.
    display_.setEmptyMode();
    host_.setUpdateRateListsEnabled(true);
    return;
  }
  // The take belongs to this client even if another is opened before it is stored.
  takeClient_ = client;
  setBarsRecording(fromBar);
  paused_ = false;
  liveBytes_ = 0;
  liveStartSample_ = 0;
  const int rate = recorder_.sampleRateHz();
  display_.beginLiveDisplay(rate);
  applyUpdateRateOfBar(rate);
  live_.start(rate, display_.geometry().graphWidth);
  // Names the take's owner beside its raw samples, so a crash does not lose it.
  rememberTakeOwner(client.workingFolder,
                    TakeOwner{client.code, recordFormatCodeForRate(rate).value_or(kStartRecordFormatCode), client.name});
  if (recorder_.start(target_, host_.updateRateIndex(false))) {
    recording_ = true;
    display_.setTakeSamples(0);
    return;
  }
  forgetTakeOwner(client.workingFolder);
  if (player_.isOpen()) {
    player_.reset();
    player_.close();
  }
  setBarsIdle(false);
  host_.setTransportEnabled(TransportControl::Record, false);
}

void TakeController::applyUpdateRateOfBar(int rateHz) {
  // Capture buffers of the size the shown bar's "Update Rate" asks for at this rate.
  const bool power = isPowerSpectrumMode(display_.mode());
  const std::vector<double>& factors = power ? powerSpectrumUpdateRateFactors() : spectrogramUpdateRateFactors();
  const auto index = static_cast<size_t>(std::max(host_.updateRateIndex(power), 0));
  setInputBufferBytes(updateRateBufferBytes(rateHz, factors.at(std::min(index, factors.size() - 1))));
}

void TakeController::stopPlayingBack() {
  if (!player_.isOpen()) return;
  player_.stop();
  player_.waitClosed();
}

std::vector<int16_t> TakeController::samplesSoFar() const {
  if (recorder_.format().bitsPerSample != 16) return {};
  TempSampleFile file;
  if (!file.open(TempSampleFile::ReadMode, recorder_.tempFilePath())) return {};
  const long long bytes = file.size();
  if (bytes < 2) return {};
  file.rewind();
  std::vector<int16_t> samples(static_cast<size_t>(bytes / 2));
  samples.resize(file.read(samples.data(), samples.size() * 2) / 2);
  return samples;
}

bool TakeController::playBack(PlaybackController& playback) {
  if (!canPlayBack()) return false;
  std::vector<int16_t> samples = samplesSoFar();
  if (samples.empty()) return false;
  return playback.playTake(std::move(samples), recorder_.sampleRateHz());
}

void TakeController::pauseOrResume() {
  if (!recording_) return;
  if (paused_) {
    stopPlayingBack();
    documents_.document().clearSelection();
    display_.beginLiveDisplay(recorder_.sampleRateHz());
    live_.start(recorder_.sampleRateHz(), display_.geometry().graphWidth);
    liveStartSample_ = liveBytes_ / 2;
    recorder_.resume();
    paused_ = false;
  } else {
    recorder_.pause();
    paused_ = true;
    // What the therapist just heard, analysed while the take waits.
    display_.takePaused(samplesSoFar(), liveStartSample_);
  }
  host_.setTransportImage(TransportControl::RecordPause, paused_ ? TransportImage::Record : TransportImage::Pause);
  if (stateChanged_) stateChanged_();
}

void TakeController::stopTake() {
  stopPlayingBack();
  stopping_ = true;
  recorder_.stopTake();
  stopping_ = false;
  recording_ = false;
  paused_ = false;
  display_.setTakeSamples(-1);
  host_.setTransportEnabled(TransportControl::Play, false);
  const TakeClient client = takeClient_;
  // A take whose WAV could not be written stays in grav.tmp with its owner, for the next start.
  if (recorder_.wavWritten()) forgetTakeOwner(client.workingFolder);
  std::optional<std::filesystem::path> kept;
  if (client.code == kOtherFilesCode) {
    kept = keepOtherFilesTake(client);
  } else if (keepClientTake()) {
    kept = target_;
  }
  setBarsIdle(kept.has_value());
  display_.setF0Readout(0);
  if (!kept) {
    documents_.close();
    host_.showTitle(client.name);
    return;
  }
  if (client.code == kOtherFilesCode)
    documents_.openByPath(*kept);
  else
    documents_.openNumbered(*kept, number_, client.name);
  host_.setTransportEnabled(TransportControl::Play, documents_.document().isOpen());
}

bool TakeController::keepClientTake() {
  std::error_code ec;
  if (!recorder_.wavWritten() || !std::filesystem::exists(target_, ec)) return false;
  const bool keep = ui_.askYesNo(Message{msg::AskKeepTake, kKeepTakeQuestion, {}, MessageIcon::Question});
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
  request.filter = velmora::tr(str::WavFileFilter);
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
    showMessage(ui_, msg::TakeNotSaved);
    return std::nullopt;
  }
  writeDateFile(destination, ui_);
  return destination;
}

void TakeController::setBarsRecording(bool fromBar) {
  host_.setTransportEnabled(TransportControl::Record, true);
  host_.setTransportImage(TransportControl::Record, TransportImage::Stop);
  host_.setTransportImage(TransportControl::RecordPause, TransportImage::Pause);
  host_.setTransportEnabled(TransportControl::RecordPause, true);
  host_.setTransportEnabled(TransportControl::Rate, false);
  host_.setTransportEnabled(TransportControl::Play, false);
  if (fromBar) host_.setUpdateRateListsEnabled(false);
}

void TakeController::setBarsIdle(bool fileRemains) {
  host_.setTransportImage(TransportControl::Record, TransportImage::Record);
  host_.setTransportEnabled(TransportControl::Record, true);
  host_.setTransportEnabled(TransportControl::PlayPause, false);
  host_.setTransportImage(TransportControl::PlayPause, TransportImage::Pause);
  host_.setTransportEnabled(TransportControl::RecordPause, false);
  host_.setTransportImage(TransportControl::RecordPause, TransportImage::Pause);
  host_.setTransportEnabled(TransportControl::Rate, true);
  host_.setTransportEnabled(TransportControl::Play, fileRemains);
  host_.setUpdateRateListsEnabled(true);
}

void TakeController::takeOpened() { live_.resetF0Counter(); }

void TakeController::takeBufferReturned(const TakeBuffer& buffer) {
  if (!buffer.paused) {
    liveBytes_ += static_cast<long long>(buffer.byteCount);
    if (recording_) display_.setTakeSamples(liveBytes_ / std::max<int>(recorder_.format().blockAlign, 1));
  } else if (recording_) {
    display_.showTakeSamples();
  }
  if (!buffer.stopping && !buffer.paused && buffer.sampleCount > 0) drawLive(buffer);
}

void TakeController::drawLive(const TakeBuffer& buffer) {
  display_.drawLiveBlock(live_, buffer.samples, buffer.sampleCount);
  // Keeps the spectrogram's columns at their take samples across a Mode switch.
  if (isPowerSpectrumMode(display_.mode())) display_.results().spectrogram().skipLive(buffer.sampleCount);
  if (display_.showsF0()) {
    if (const std::optional<float> hz = live_.f0Due(inputBufferBytes())) display_.setF0Readout(*hz);
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
