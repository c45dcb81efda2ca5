#pragma once
// An interaction for the view benchmarks: counts messages, answers every question "no" and
// chooses nothing, so a run never waits for a person.
#include <filesystem>
#include <optional>
#include <string>

#include "core/interaction.h"

class CountingInteraction : public velmora::Interaction {
 public:
  int messages = 0;
  void showMessage(const velmora::Message&) override { ++messages; }
  bool askYesNo(const velmora::Message&) override { return false; }
  std::optional<std::filesystem::path> chooseOpenFile(const velmora::FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseSaveFile(const velmora::FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override {
    return std::nullopt;
  }
  int chooseOption(const velmora::ChoiceRequest&) override { return -1; }
};
