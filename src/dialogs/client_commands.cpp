#include "dialogs/client_commands.h"

#include "clients/client_codes.h"
#include "clients/client_deletion.h"
#include "clients/client_folders.h"
#include "clients/recordings_list.h"
#include "core/message_ids.h"
#include "dialogs/client_dialog.h"
#include "dialogs/client_list_dialog.h"
#include "dialogs/import_command.h"
#include "dialogs/notes_dialog.h"
#include "dialogs/recordings_dialog.h"
#include "dialogs/report_info_dialog.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/playback_hold.h"

namespace velmora {

ClientCommands::ClientCommands(ClientFrame& frame, Interaction& ui, std::filesystem::path workingFolder)
    : frame_(frame), ui_(ui), folder_(std::move(workingFolder)), register_(ui), compare_(frame, ui, folder_) {
  register_.setFileName(folder_ / kRegisterFileName);
}

void ClientCommands::install() {
  if (!register_.exists()) register_.create();
  frame_.setCommandHandler(cmd::NewClient, [this] { newClient(); });
  frame_.setCommandHandler(cmd::OpenClient, [this] { openClientList(); });
  frame_.setCommandHandler(cmd::PersonalInformation, [this] { personalInformation(); });
  frame_.setCommandHandler(cmd::DeleteClient, [this] { deleteOpenClient(); });
  frame_.setCommandHandler(cmd::EditNotes, [this] { editNotes(); });
  frame_.setCommandHandler(cmd::Report, [this] { report(); });
  frame_.setCommandHandler(cmd::Import, [this] { importFile(); });
  frame_.setRecordingsListHandler([this] { recordingsList(); });
  compare_.install();
}

int ClientCommands::language() const { return frame_.language(); }

void ClientCommands::makeOpen(const ClientRecord& record) {
  if (frame_.openClient(record.code, record.name, record.type)) openClient_ = record;
  else openClient_ = ClientRecord{};
}

void ClientCommands::newClient() {
  const PlaybackHold hold(frame_.view()->playbackController());
  const int code = newClientCode(register_);
  if (code < 0) return;
  ClientDialog dialog(ui_, ClientDialog::Insert, language(), frame_.dialogParent());
  ClientRecord fresh;
  fresh.code = code;
  dialog.setRecord(fresh);
  if (dialog.exec() != QDialog::Accepted) return;
  // A failed append has been reported by the register; the new client is not opened then.
  if (register_.append(dialog.record()) != 1) return;
  if (!createClientFolder(ui_, folder_, code)) {
    // No client without its folder: the record just added goes again.
    showMessage(ui_, msg::ClientFolderInaccessible);
    const int recordNumber = register_.query("CODIGO = " + std::to_string(code));
    if (recordNumber > 0) register_.deleteRecord(recordNumber);
    return;
  }
  makeOpen(dialog.record());
}

void ClientCommands::openClientList() {
  const PlaybackHold hold(frame_.view()->playbackController());
  ClientListDialog dialog(ui_, register_, folder_, language(), frame_.clientCode(), frame_.dialogParent());
  dialog.onOpenClientEdited = [this](const ClientRecord& record) {
    openClient_ = record;
    frame_.updateOpenClient(record.name, record.type);
  };
  dialog.onOpenClientDeleting = [this] { frame_.view()->closeRecording(); };
  const int result = dialog.exec();
  if (dialog.openClientDeleted()) {
    openClient_ = ClientRecord{};
    frame_.closeClient();
  }
  switch (result) {
    case ClientListDialog::Chosen: makeOpen(dialog.chosen()); break;
    case ClientListDialog::NewClient: newClient(); break;
    case ClientListDialog::OtherFiles:
      if (frame_.openOtherFiles()) openClient_ = ClientRecord{};
      break;
    default: break;
  }
}

void ClientCommands::personalInformation() {
  if (frame_.clientCode() <= 0 || frame_.clientCode() == kOtherFilesCode) return;
  const PlaybackHold hold(frame_.view()->playbackController());
  const int recordNumber = register_.query("CODIGO = " + std::to_string(frame_.clientCode()));
  // Without a record to edit, an edit would only rename the window: say so instead (a failed
  // query has said why already).
  if (recordNumber == 0 || register_.count() == 0) showMessage(ui_, msg::DatabaseError);
  if (recordNumber <= 0 || register_.count() == 0) return;
  ClientDialog dialog(ui_, ClientDialog::Edit, language(), frame_.dialogParent());
  dialog.setRecord(recordFromEntry(*register_.entry(0)));
  if (dialog.exec() != QDialog::Accepted) return;
  if (register_.update(recordNumber, dialog.record()) < 0) return;
  openClient_ = dialog.record();
  frame_.updateOpenClient(openClient_.name, openClient_.type);
}

void ClientCommands::deleteOpenClient() {
  const int code = frame_.clientCode();
  if (code <= 0 || code == kOtherFilesCode) return;
  const PlaybackHold hold(frame_.view()->playbackController());
  if (!confirmClientDeletion(ui_)) return;
  frame_.view()->closeRecording();
  deleteClient(ui_, register_, folder_, code);
  openClient_ = ClientRecord{};
  frame_.closeClient();
}

void ClientCommands::recordingsList() {
  const int code = frame_.clientCode();
  if (code <= 0) return;
  RecordingsDialog dialog(ui_, folder_, code, frame_.clientName(), language(), frame_.dialogParent());
  dialog.setDeleter([this, code](int number) {
    // Either prefix may hold the number; the files of both go.
    bool gone = true;
    for (RecordingPrefix prefix : {RecordingPrefix::Wv, RecordingPrefix::Qv}) {
      const auto wav = recordingPath(folder_, code, number, prefix);
      if (findFileIgnoringCase(wav.parent_path(), wav.filename().string()))
        gone = deleteRecordingFiles(ui_, wav, NotesFailure::Reported) && gone;
    }
    // A recording still being read goes too, or it would appear after its files are gone.
    AnalysisView& view = *frame_.view();
    if (view.buffer().recordingNumber == number || view.documents().readingNumber() == number) view.closeRecording();
    return gone;
  });
  if (dialog.exec() != QDialog::Accepted) return;
  const auto path = recordingPathForState(folder_, code, dialog.chosenNumber(), dialog.chosenState());
  frame_.view()->openNumberedRecording(path, dialog.chosenNumber(), frame_.clientName());
}

void ClientCommands::editNotes() {
  const PlaybackHold hold(frame_.view()->playbackController());
  const SoundBuffer& buffer = frame_.view()->buffer();
  if (!buffer.isOpen() || buffer.path.empty()) return;
  NotesDialog dialog(ui_, frame_.dialogParent());
  dialog.setPath(buffer.path);
  dialog.exec();
}

void ClientCommands::importFile() {
  const int code = frame_.clientCode();
  if (code <= 0 || code == kOtherFilesCode) return;
  ImportCommand command(ui_, frame_.dialogParent());
  const std::optional<ImportResult> result = command.run(folder_, code);
  if (!result || result->status != ImportStatus::Imported) return;
  frame_.view()->openNumberedRecording(result->wavPath, result->recordingNumber, frame_.clientName());
}

void ClientCommands::report() {
  ReportInfoDialog dialog(ui_, folder_, language(), frame_.dialogParent());
  dialog.exec();
}

}  // namespace velmora
