#include "dialogs/compare_commands.h"

#include "backup/safe_copy.h"
#include "clients/other_files.h"
#include "clients/recording_names.h"
#include "clients/recordings_list.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "dialogs/recordings_dialog.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"

namespace velmora {

CompareCommands::CompareCommands(ClientFrame& frame, Interaction& ui, std::filesystem::path workingFolder)
    : frame_(frame), ui_(ui), folder_(std::move(workingFolder)) {}

void CompareCommands::install() {
  frame_.setCommandHandler(cmd::CompareWithFile, [this] { compareWithFile(); });
  frame_.setCommandHandler(cmd::OpenModel, [this] { openModel(); });
  frame_.setCommandHandler(cmd::SaveAsModel, [this] { saveAsModel(); });
  frame_.setCommandHandler(cmd::CloseComparison, [this] { frame_.view()->closeComparison(); });
}

void CompareCommands::compareWithFile() {
  AnalysisView* view = frame_.view();
  const int code = frame_.clientCode();
  if (code == kOtherFilesCode) {
    const std::optional<std::filesystem::path> file = ui_.chooseOpenFile(otherFilesOpenRequest(folder_));
    if (file) view->compareWith(*file, ComparedKind::OutsideFile);
    return;
  }
  if (code <= 0) return;
  // The list chooses only: nothing is deleted from it here.
  RecordingsDialog dialog(ui_, folder_, code, frame_.clientName(), frame_.language(), frame_.dialogParent());
  dialog.setDeleteDisabled(true);
  if (dialog.exec() != QDialog::Accepted) return;
  const auto path = recordingPathForState(folder_, code, dialog.chosenNumber(), dialog.chosenState());
  view->compareWith(path, ComparedKind::ClientFile, dialog.chosenNumber());
}

FileRequest CompareCommands::modelRequest() const {
  FileRequest r;
  r.startFolder = modelsFolder(folder_);
  r.filter = velmora::tr(str::WavFileFilter);
  r.defaultExtension = "wav";
  r.confirmOverwrite = false;
  return r;
}

void CompareCommands::openModel() {
  ensureFolderNoLink(modelsFolder(folder_));
  const std::optional<std::filesystem::path> file = ui_.chooseOpenFile(modelRequest());
  if (file) frame_.view()->compareWith(*file, ComparedKind::Model);
}

void CompareCommands::saveAsModel() {
  ensureFolderNoLink(modelsFolder(folder_));
  const std::optional<std::filesystem::path> target = ui_.chooseSaveFile(modelRequest());
  if (!target) return;
  const std::filesystem::path source = frame_.view()->buffer().path;
  std::error_code ec;
  // The model chosen is the open file itself: it is already what it should be.
  if (!source.empty() && std::filesystem::equivalent(source, *target, ec)) return;
  if (source.empty() || copyFileSafely(source, *target) != CopyResult::Copied) showMessage(ui_, msg::ModelNotSaved);
}

}  // namespace velmora
