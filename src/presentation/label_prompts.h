#pragma once
// What the label band asks of the screen: the "Insert Text" dialog, the "The File is too
// large!" dialog, the label's menu (Move, Delete, Edit...) and the width of a text in the
// label font. The view implements it with Qt dialogs; tests answer from a script.
#include <functional>
#include <optional>
#include <string>

#include "presentation/label_layout.h"

namespace velmora {

enum class LabelMenuChoice { None, Move, Delete, Edit };

struct TextPrompt {
  DialogPlace place;
  std::string initialText;  // an edited label's text; empty for a new label
  int previewX = 0;         // where the text is shown on the band while it is typed
  int fontHeight = 16;
};

class LabelPrompts {
 public:
  virtual ~LabelPrompts() = default;
  // The text after OK (possibly empty), or nothing after Cancel. `typed` hears every change
  // of the text while the dialog is open.
  virtual std::optional<std::string> askText(const TextPrompt& prompt,
                                             const std::function<void(const std::string&)>& typed) = 0;
  virtual void showTooLarge(const DialogPlace& place) = 0;
  // The label's menu at a point of the view.
  virtual LabelMenuChoice chooseLabelAction(int x, int y) = 0;
  // Width in pixels of a text in the label font of a height (the language's font).
  virtual int textWidth(const std::string& text, int fontHeight) const = 0;
};

}  // namespace velmora
