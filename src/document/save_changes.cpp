#include "document/save_changes.h"

#include <optional>

#include "audio/wav_writer.h"
#include "clients/client_folders.h"
#include "clients/date_file.h"
#include "clients/other_files.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

ChoiceRequest saveChangesRequest() {
  ChoiceRequest r;
  r.title = tr(str::SaveChangesTitle);
  r.prompt = tr(str::SaveChangesPrompt);
  r.options = {tr(str::SaveThisFileOption), tr(str::SaveAsNewFileOption)};
  r.initial = 0;
  r.acceptText = tr(str::OkButton);
  r.cancelText = tr(str::DontSaveButton);
  return r;
}

namespace {

bool isClient(const SaveClient& client) { return client.code > 0 && client.code != kOtherFilesCode; }

std::filesystem::path clientTarget(const RecordingDocument& document, const SaveClient& client, int number) {
  return recordingPath(client.workingFolder, client.code, number,
                       prefixForRate(static_cast<uint32_t>(document.sampleRate())));
}

std::optional<std::filesystem::path> newOtherFilesTarget(Interaction& ui, const SaveClient& client) {
  FileRequest request;
  request.title = tr(str::SaveAsTitle);
  request.startFolder = otherFilesFolder(client.workingFolder);
  request.filter = tr(str::WavFileFilter);
  request.defaultExtension = "wav";
  request.confirmOverwrite = true;
  return ui.chooseSaveFile(request);
}

// The WAV first: only when it is safely written does the document count as saved.
bool write(RecordingDocument& document, Interaction& ui, const std::filesystem::path& target, int number) {
  const SoundBuffer& sound = document.sound();
  if (!writeWavFile(target, sound.format, sound.samples.data(), sound.samples.size() * sizeof(int16_t), ui))
    return false;
  writeDateFile(target, ui);  // reports its own failure; the sound itself is safe
  document.savedAs(target, number);
  return true;
}

}  // namespace

SaveResult saveChanges(RecordingDocument& document, Interaction& ui, const SaveClient& client) {
  if (!document.isOpen() || !document.isChanged()) return SaveResult::NotNeeded;
  const int choice = ui.chooseButton(saveChangesRequest());
  if (choice == 0) {
    std::filesystem::path target = document.path();
    const int number = document.recordingNumber();
    if (isClient(client) && number > 0) {
      target = clientTarget(document, client, number);
    } else if (document.wasStereo() && !askYesNo(ui, msg::AskSaveStereoAsMono)) {
      return SaveResult::NotSaved;
    }
    if (target.empty()) return SaveResult::NotSaved;
    return write(document, ui, target, number) ? SaveResult::Saved : SaveResult::Failed;
  }
  if (choice == 1) {
    if (isClient(client)) {
      const int number = nextRecordingNumber(ui, client.workingFolder, client.code);
      if (number < 0) return SaveResult::NotSaved;
      return write(document, ui, clientTarget(document, client, number), number) ? SaveResult::SavedAsNew
                                                                                 : SaveResult::Failed;
    }
    const std::optional<std::filesystem::path> chosen = newOtherFilesTarget(ui, client);
    if (!chosen) return SaveResult::NotSaved;
    return write(document, ui, *chosen, kNoRecordingNumber) ? SaveResult::SavedAsNew : SaveResult::Failed;
  }
  return SaveResult::NotSaved;
}

}  // namespace velmora
