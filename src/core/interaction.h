#pragma once
// Everything the logic asks of the user goes through this interface: message boxes by
// string id, Yes/No questions, file and folder choosers and small choice dialogs.
// The Qt program implements it with real dialogs; tests use a scripted one.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"

namespace velmora {

enum class MessageIcon { None, Information, Warning, Error, Question };

struct Message {
  int id = 0;             // string id the text came from (0 for a text of another source)
  std::string text;       // final text, arguments filled in
  std::string caption;    // empty: the program's name
  MessageIcon icon = MessageIcon::Warning;
};

struct FileRequest {
  std::string title;
  std::filesystem::path startFolder;
  std::string filter;            // "Sound File (*.wav)|*.wav|" style
  std::string defaultExtension;  // without the dot
  bool confirmOverwrite = true;
};

struct ChoiceRequest {
  std::string title;
  std::string prompt;
  std::vector<std::string> options;
  int initial = 0;
  // Fetched when the request is made, so they speak the language chosen then.
  std::string acceptText = tr(str::OkButton);
  std::string cancelText = tr(str::CancelButton);
};

class Interaction {
 public:
  virtual ~Interaction() = default;

  virtual void showMessage(const Message& message) = 0;
  virtual bool askYesNo(const Message& message) = 0;  // true for Yes
  virtual std::optional<std::filesystem::path> chooseOpenFile(const FileRequest& request) = 0;
  virtual std::optional<std::filesystem::path> chooseSaveFile(const FileRequest& request) = 0;
  virtual std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                            const std::filesystem::path& start) = 0;
  // Index of the chosen option, or -1 when the dialog was cancelled.
  virtual int chooseOption(const ChoiceRequest& request) = 0;
  // A question answered by a button: one per option, `initial` the default (Enter), and
  // cancelText the button Escape presses (-1). Where no buttons can be shown, a choice.
  virtual int chooseButton(const ChoiceRequest& request) { return chooseOption(request); }
};

// Shows string `id` with printf-style arguments.
template <typename... Args>
void showMessage(Interaction& ui, int id, Args&&... args) {
  ui.showMessage(Message{id, formatv(tr(id), std::forward<Args>(args)...), {}, MessageIcon::Warning});
}

template <typename... Args>
bool askYesNo(Interaction& ui, int id, Args&&... args) {
  return ui.askYesNo(Message{id, formatv(tr(id), std::forward<Args>(args)...), {}, MessageIcon::Question});
}

}  // namespace velmora
