#include "view/document_controller.h"

#include "audio/recording_opener.h"
#include "clients/recording_names.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"

namespace velmora {

DocumentController::DocumentController(RecordingDocument& document, ViewDisplay& display, ViewHost& host,
                                       Interaction& ui)
    : document_(document), display_(display), host_(host), ui_(ui), labelFiles_(document, ui) {}

bool DocumentController::openByPath(const std::filesystem::path& path) {
  close();
  host_.showTitle(formatv(velmora::tr(str::PathFileTitle), path.filename().string()));
  SoundBuffer loaded;
  bool opened = false;
  {
    BusyScope busy(host_);
    opened = openRecordingByPath(loaded, path, ui_);
  }
  if (!opened) {
    close();
    host_.resetTitle();
    return false;
  }
  finishOpening(std::move(loaded));
  return true;
}

bool DocumentController::openNumbered(const std::filesystem::path& path, int number, const std::string& clientName) {
  close();
  SoundBuffer loaded;
  bool opened = false;
  {
    BusyScope busy(host_);
    opened = openNumberedRecording(loaded, path, number, ui_);
  }
  if (!opened) return false;
  clientName_ = clientName;
  host_.showTitle(formatv(velmora::tr(str::ClientFileTitle), clientName, number));
  finishOpening(std::move(loaded));
  return true;
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
