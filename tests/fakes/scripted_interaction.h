#pragma once
// Interaction for tests: records what was shown and answers from queues.
// An empty queue answers No / cancel, so a forgotten answer cannot pass silently as Yes.
#include <deque>

#include "core/interaction.h"

namespace velmora::testing {

class ScriptedInteraction : public Interaction {
 public:
  std::vector<Message> shown;   // messages and questions, in order
  std::vector<std::string> asked;  // kinds of request: "message", "question", "open", "save", "folder", "choice"
  std::deque<bool> yesNoAnswers;
  std::deque<std::optional<std::filesystem::path>> fileAnswers;
  std::deque<std::optional<std::filesystem::path>> folderAnswers;
  std::deque<int> choiceAnswers;
  std::vector<ChoiceRequest> choices;
  std::vector<FileRequest> fileRequests;

  void showMessage(const Message& message) override;
  bool askYesNo(const Message& message) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                    const std::filesystem::path& start) override;
  int chooseOption(const ChoiceRequest& request) override;

  // Ids of everything shown, in order.
  std::vector<int> shownIds() const;
  int countOf(int id) const;
};

}  // namespace velmora::testing
