#pragma once
// The command line's answer to the interaction interface: messages go to standard error,
// questions are answered No and choosers cancelled, since nobody is there to answer.
#include "core/interaction.h"

namespace velmora::cli {

class StderrInteraction : public Interaction {
 public:
  void showMessage(const Message& message) override;
  bool askYesNo(const Message& message) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseSaveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override {
    return std::nullopt;
  }
  int chooseOption(const ChoiceRequest&) override { return -1; }

  bool shown = false;  // something was reported
};

}  // namespace velmora::cli
