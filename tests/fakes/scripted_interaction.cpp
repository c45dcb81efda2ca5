#include "fakes/scripted_interaction.h"

#include <algorithm>

namespace velmora::testing {

void ScriptedInteraction::showMessage(const Message& message) {
  shown.push_back(message);
  asked.push_back("message");
}

bool ScriptedInteraction::askYesNo(const Message& message) {
  shown.push_back(message);
  asked.push_back("question");
  if (yesNoAnswers.empty()) return false;
  bool a = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return a;
}

std::optional<std::filesystem::path> ScriptedInteraction::chooseOpenFile(const FileRequest& request) {
  asked.push_back("open");
  fileRequests.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  auto a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

std::optional<std::filesystem::path> ScriptedInteraction::chooseSaveFile(const FileRequest& request) {
  asked.push_back("save");
  fileRequests.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  auto a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

std::optional<std::filesystem::path> ScriptedInteraction::chooseFolder(const std::string&, const std::filesystem::path&) {
  asked.push_back("folder");
  if (folderAnswers.empty()) return std::nullopt;
  auto a = folderAnswers.front();
  folderAnswers.pop_front();
  return a;
}

int ScriptedInteraction::chooseOption(const ChoiceRequest& request) {
  asked.push_back("choice");
  choices.push_back(request);
  if (choiceAnswers.empty()) return -1;
  int a = choiceAnswers.front();
  choiceAnswers.pop_front();
  return a;
}

std::vector<int> ScriptedInteraction::shownIds() const {
  std::vector<int> ids;
  for (const Message& m : shown) ids.push_back(m.id);
  return ids;
}

int ScriptedInteraction::countOf(int id) const {
  return static_cast<int>(std::count_if(shown.begin(), shown.end(), [id](const Message& m) { return m.id == id; }));
}

}  // namespace velmora::testing
