#pragma once
// The label band's dialogs on screen: "Insert Text" and "Attention!" placed over the view
// where the band asks for them, the label's menu (Move, Delete, Edit...), and text widths
// measured in the label font of the view's language.
#include <QWidget>
#include <functional>

#include "presentation/label_prompts.h"

namespace velmora {

class QtLabelPrompts : public LabelPrompts {
 public:
  // `view`: the widget the places are given in (logical pixels, stretched vertically by
  // `stretch` on screen); `language`: asked each time, it changes at run time.
  QtLabelPrompts(QWidget* view, std::function<double()> stretch, std::function<int()> language);

  std::optional<std::string> askText(const TextPrompt& prompt,
                                     const std::function<void(const std::string&)>& typed) override;
  void showTooLarge(const DialogPlace& place) override;
  LabelMenuChoice chooseLabelAction(int x, int y) override;
  int textWidth(const std::string& text, int fontHeight) const override;

 private:
  QRect screenRect(const DialogPlace& place) const;
  QPoint screenPoint(int x, int y) const;

  QWidget* view_;
  std::function<double()> stretch_;
  std::function<int()> language_;
};

}  // namespace velmora
