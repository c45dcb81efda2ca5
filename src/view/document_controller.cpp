#include "view/document_controller.h"

#include "audio/recording_opener.h"
#include "clients/recording_names.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"

namespace velmora {

DocumentController::DocumentController(RecordingDocument& document, ViewDisplay& display, ViewHost& host,
                                       Interaction& ui)
    : document_(document), display_(display), host_(host), ui_(ui), labelFiles_(document, ui),
      reading_([&host](std::function<void()> f) { host.postToUiThread(std::move(f)); }) {}

bool DocumentController::readsInBackground(const std::filesystem::path& path) const {
  std::error_code ec;
  const uintmax_t bytes = std::filesystem::file_size(path, ec);
  return !ec && bytes >= backgroundReadBytes_;
}

bool DocumentController::readThen(const std::filesystem::path& path, int number, std::function<bool(WavData)> accept) {
  if (!readsInBackground(path)) {
    WavData read;
    {
      BusyScope busy(host_);
      read = readWav(path);
    }
    return accept(std::move(read));
  }
  readingNumber_ = number;
  host_.showAnalysing(true);
  reading_.start([path](const StopFlag& stop) { return readWav(path, stop); },
                 [this, accept = std::move(accept)](WavData read) {
                   host_.showAnalysing(false);
                   accept(std::move(read));
                 });
  return true;
}

void DocumentController::stopReading() {
  if (!reading_.running()) return;
  reading_.stop();
  host_.showAnalysing(false);
}

bool DocumentController::openByPath(const std::filesystem::path& path) {
  close();
  host_.showTitle(formatv(velmora::tr(str::PathFileTitle), path.filename().string()));
  return readThen(path, kNoRecordingNumber, [this, path](WavData read) {
    SoundBuffer loaded;
    if (!acceptRecordingByPath(loaded, std::move(read), path, ui_)) {
      close();
      host_.resetTitle();
      return false;
    }
    finishOpening(std::move(loaded));
    return true;
  });
}

bool DocumentController::openNumbered(const std::filesystem::path& path, int number, const std::string& clientName) {
  close();
  host_.showTitle(formatv(velmora::tr(str::ClientFileTitle), clientName, number));
  return readThen(path, number, [this, path, number, clientName](WavData read) {
    SoundBuffer loaded;
    if (!acceptNumberedRecording(loaded, std::move(read), path, number, ui_)) {
      host_.resetTitle();
      return false;
    }
    clientName_ = clientName;
    finishOpening(std::move(loaded));
    return true;
  });
}

void DocumentController::finishOpening(SoundBuffer&& loaded) {
  document_.open(std::move(loaded), clientCode_ ? clientCode_() : kNoClient);
  labelFiles_.load();
  display_.recordingOpened();
  host_.notifyRecordingChanged();
}

SaveResult DocumentController::saveChanges() {
  const SaveResult result = velmora::saveChanges(document_, ui_, saveClient_ ? saveClient_() : SaveClient{});
  if (result == SaveResult::SavedAsNew) {
    const int number = document_.recordingNumber();
    host_.showTitle(number > 0 ? formatv(velmora::tr(str::ClientFileTitle), clientName_, number)
                               : formatv(velmora::tr(str::PathFileTitle), document_.path().filename().string()));
  }
  if (result != SaveResult::NotNeeded) host_.notifyRecordingChanged();
  return result;
}

void DocumentController::close() {
  stopReading();
  if (beforeClose_) beforeClose_();
  // Asked before anything is dropped; "Don´t save" lets the close go on.
  if (document_.isOpen() && document_.isChanged()) saveChanges();
  const bool hadSamples = document_.isOpen();
  if (hadSamples) labelFiles_.store();
  document_.close();
  display_.recordingClosed();
  if (hadSamples) {
    host_.resetTitle();
    host_.notifyRecordingChanged();
  }
  host_.modeChanged();
}

}  // namespace velmora
