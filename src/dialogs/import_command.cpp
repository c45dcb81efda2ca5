#include "dialogs/import_command.h"


#include "clients/recording_names.h"
#include "dialogs/converter_dialog.h"
#include "dialogs/ui_thread_interaction.h"
#include "dialogs/wait_dialog.h"

namespace velmora {

std::optional<ImportResult> ImportCommand::run(const std::filesystem::path& workingFolder, int clientCode) {
  const std::optional<std::filesystem::path> source = chooseImportSource(ui_, clientFolder(workingFolder, clientCode));
  if (!source) return std::nullopt;
  return importFrom(*source, workingFolder, clientCode);
}

ImportResult ImportCommand::importFrom(const std::filesystem::path& source, const std::filesystem::path& workingFolder,
                                       int clientCode) {
  WaitDialog wait(parent_);
  UiThreadInteraction uiThread(ui_, &wait);
  ImportRequest request;
  request.sourcePath = source;
  request.workingFolder = workingFolder;
  request.clientCode = clientCode;
  ConversionDialog ask = askConversion ? askConversion : [this](const ConversionOffer& offer) {
    return ConverterDialog::ask(offer, parent_);
  };
  request.askConversion = [&](const ConversionOffer& offer) { return uiThread.answer([&] { return ask(offer); }); };
  request.progress = [&](int step) {
    QMetaObject::invokeMethod(&wait, [&wait, step, this] {
      wait.setStep(step);
      if (step >= kProgressSteps) wait.hide();  // done: the message that follows stands alone
      if (onProgress) onProgress(wait, step);
    }, Qt::QueuedConnection);
    return !wait.cancelRequested();
  };

  // The wait dialog is modal from the start: nothing else may run while the worker imports.
  wait.show();
  ImportResult result;
  runOnWorker([&] { result = importRecording(request, uiThread); });
  wait.hide();
  return result;
}

}  // namespace velmora
