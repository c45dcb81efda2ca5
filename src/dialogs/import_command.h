#pragma once
// Files > "Import...": the file dialog, then the import on a worker thread (reading, the
// conversion question, converting, writing) while "Wait..." shows its progress and offers
// Cancel. Questions and messages of the import are asked on the UI thread. A cancelled or
// failed import leaves no file behind, so no recording number is used up.
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "audio/import_pipeline.h"
#include "core/interaction.h"

namespace velmora {

class WaitDialog;

class ImportCommand {
 public:
  ImportCommand(Interaction& ui, QWidget* parent) : ui_(ui), parent_(parent) {}

  // The conversion question (ConverterDialog unless a test answers it).
  ConversionDialog askConversion;
  // Called on the UI thread with each progress step the wait dialog shows (for tests).
  std::function<void(WaitDialog&, int step)> onProgress;

  // Runs the command for the client; the import's result, or nothing when no file was chosen.
  std::optional<ImportResult> run(const std::filesystem::path& workingFolder, int clientCode);
  // The same from a chosen source (no file dialog).
  ImportResult importFrom(const std::filesystem::path& source, const std::filesystem::path& workingFolder,
                          int clientCode);

 private:
  Interaction& ui_;
  QWidget* parent_;
};

}  // namespace velmora
