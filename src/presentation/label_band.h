#pragma once
// The label band under the spectral pane: what clicks and the pointer do there.
//
// Left press: a label being moved is put down at the pointer; otherwise a marker zooms to
// the range its label was made in, a text label opens its menu (Move, Delete, Edit...), and
// a free spot opens "Insert Text" for a new label there, when at most 20 s are shown
// ("The File is too large!" otherwise; "Max. number of texts!" with 50 labels shown).
// Right press and Zoom cancel a move. Hovering tells the pointer's shape and, over a
// marker, shows its text in a tip.
//
// The caller decides when the band listens (a recording shown, no take running, nothing
// playing unless zoomed) and passes presses that fall inside the band.
#include <functional>
#include <optional>
#include <string>

#include "core/interaction.h"
#include "document/recording_document.h"
#include "presentation/label_layout.h"
#include "presentation/label_prompts.h"

namespace velmora {

enum class BandPointer { Empty, OverLabel, Moving };

class LabelBand {
 public:
  LabelBand(RecordingDocument& document, const ViewGeometry& geometry, Interaction& ui, LabelPrompts& prompts);

  // Called when the preview or the tip changes (the labels themselves notify the document's
  // observers).
  void setRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }
  void setLanguage(int language, int extraTextChar);
  bool contains(int x, int y) const { return inLabelBand(geometry_, x, y); }
  LabelView view() const;

  // A left press in the band. True when it changed the visible range (a marker's zoom).
  bool press(int x);
  void rightPress() { cancelMove(); }
  // Shows a label being moved where it was.
  void cancelMove();
  BandPointer hover(int x, int y);
  void clearTip();
  // New samples (another recording, none, or an edit): no move (the label goes back where it
  // was), no preview, no tip. Quiet: called while the document tells its observers.
  void reset();

  bool moving() const { return moving_.has_value(); }
  const std::optional<LabelPreview>& preview() const { return preview_; }
  const std::optional<LabelTip>& tip() const { return tip_; }

 private:
  void insert(int x, int32_t sample);
  void edit(size_t index, int clickX);
  void placeMoved(int32_t sample);
  // Samples a text covers: (samples per pixel) x its width in the label font + 5 per character.
  int32_t coveredLength(const std::string& text, int fontHeight) const;
  std::optional<std::string> askText(int clickX, int previewX, const std::string& initial);
  void setPreview(int x, int fontHeight, const std::string& text);
  void labelsChanged();
  void repaint() const {
    if (repaint_) repaint_();
  }

  RecordingDocument& document_;
  const ViewGeometry& geometry_;
  Interaction& ui_;
  LabelPrompts& prompts_;
  std::function<void()> repaint_;
  bool korean_ = false;
  int extraTextChar_ = 0;
  std::optional<size_t> moving_;  // the slot of the label being moved
  std::optional<LabelPreview> preview_;
  std::optional<LabelTip> tip_;
};

}  // namespace velmora
