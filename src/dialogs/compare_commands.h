#pragma once
// The Comparison menu: "Compare with File..." (the client's recordings list to choose one,
// or the file dialog for Other Files), "Open Model..." and "Save as a Model..." (WAV files
// in the working folder's Models folder), and "Close". The view holds the comparison.
//
//   CompareCommands compare(frame, ui, workingFolder);
//   compare.install();
#include <filesystem>

#include "core/interaction.h"
#include "dialogs/client_frame.h"

namespace velmora {

class CompareCommands {
 public:
  CompareCommands(ClientFrame& frame, Interaction& ui, std::filesystem::path workingFolder);

  void install();

  void compareWithFile();
  void openModel();
  // Copies the open recording's file to the chosen model, replacing one of that name
  // without asking; a failed copy leaves the model there before whole.
  void saveAsModel();

 private:
  FileRequest modelRequest() const;

  ClientFrame& frame_;
  Interaction& ui_;
  std::filesystem::path folder_;
};

}  // namespace velmora
