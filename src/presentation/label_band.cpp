#include "presentation/label_band.h"

#include <algorithm>

#include "core/language.h"
#include "core/message_ids.h"

namespace velmora {

namespace {
constexpr int kCharacterAllowanceSamples = 5;
}  // namespace

LabelBand::LabelBand(RecordingDocument& document, const ViewGeometry& geometry, Interaction& ui, LabelPrompts& prompts)
    : document_(document), geometry_(geometry), ui_(ui), prompts_(prompts) {}

void LabelBand::setLanguage(int language, int extraTextChar) {
  korean_ = language == Korean;
  extraTextChar_ = extraTextChar;
}

LabelView LabelBand::view() const {
  return LabelView::of(geometry_, document_.visibleRange(), document_.sampleRate(), extraTextChar_);
}

void LabelBand::labelsChanged() {
  document_.labels().markModified();
  document_.labelsChanged();
}

bool LabelBand::press(int x) {
  if (!document_.isOpen()) return false;
  const LabelView v = view();
  const int32_t sample = v.sampleAt(x);
  if (moving_) {
    placeMoved(sample);
    return false;
  }
  clearTip();
  LabelSet& labels = document_.labels();
  const int hit = hitLabel(labels, v, x);
  if (hit >= 0) {
    const auto index = static_cast<size_t>(hit);
    if (placeLabel(labels.entries()[index], v).marker) return document_.showRange(labels.entries()[index].zoom);
    switch (prompts_.chooseLabelAction(labelMenuX(x), labelMenuY(geometry_))) {
      case LabelMenuChoice::Move:
        labels.entries()[index].hidden = true;
        moving_ = index;
        document_.labelsChanged();
        break;
      case LabelMenuChoice::Delete:
        labels.remove(index);
        labelsChanged();
        break;
      case LabelMenuChoice::Edit: edit(index, x); break;
      case LabelMenuChoice::None: break;
    }
    return false;
  }
  if (v.visibleSeconds() > kLongestLabelledSeconds) {
    prompts_.showTooLarge(tooLargePlace(geometry_, x, korean_));
    return false;
  }
  insert(x, sample);
  return false;
}

void LabelBand::placeMoved(int32_t sample) {
  const size_t index = *moving_;
  moving_.reset();
  auto& entries = document_.labels().entries();
  if (index >= entries.size()) return;
  TextLabel& l = entries[index];
  const int32_t delta = sample - l.samples.start;
  l.samples = {sample, l.samples.end + delta};
  l.zoom = document_.visibleRange();
  l.hidden = false;
  labelsChanged();
}

void LabelBand::cancelMove() {
  if (!moving_) return;
  auto& entries = document_.labels().entries();
  if (*moving_ < entries.size()) entries[*moving_].hidden = false;
  moving_.reset();
  document_.labelsChanged();
}

int32_t LabelBand::coveredLength(const std::string& text, int fontHeight) const {
  const double width = prompts_.textWidth(text, fontHeight);
  const double characters = static_cast<double>(utf8CharacterCount(text));
  return static_cast<int32_t>(view().samplesPerPixel() * width + kCharacterAllowanceSamples * characters);
}

void LabelBand::setPreview(int x, int fontHeight, const std::string& text) {
  preview_ = LabelPreview{x, labelTextTop(geometry_.labelBandTop(), fontHeight), fontHeight, text};
  repaint();
}

std::optional<std::string> LabelBand::askText(int clickX, int previewX, const std::string& initial) {
  TextPrompt prompt;
  prompt.place = insertTextPlace(geometry_, clickX, korean_);
  prompt.initialText = initial;
  prompt.previewX = previewX;
  prompt.fontHeight = view().fontHeight();
  setPreview(previewX, prompt.fontHeight, initial);
  std::optional<std::string> text =
      prompts_.askText(prompt, [this, &prompt](const std::string& typed) { setPreview(prompt.previewX, prompt.fontHeight, typed); });
  preview_.reset();
  repaint();
  if (text) *text = cleanLabelText(*text);
  return text;
}

void LabelBand::insert(int x, int32_t sample) {
  if (!document_.labels().canAdd()) {
    showMessage(ui_, msg::TooManyLabels);
    return;
  }
  const std::optional<std::string> text = askText(x, x, std::string());
  if (!text || text->empty()) return;
  TextLabel label;
  label.zoom = document_.visibleRange();
  label.samples = {sample, sample + coveredLength(*text, view().fontHeight())};
  label.text = *text;
  if (document_.labels().add(std::move(label))) labelsChanged();
}

void LabelBand::edit(size_t index, int clickX) {
  auto& entries = document_.labels().entries();
  const std::string old = entries[index].text;
  // The label disappears while it is edited; the preview shows the text being typed.
  entries[index].hidden = true;
  entries[index].text.clear();
  document_.labelsChanged();
  const std::optional<std::string> text = askText(clickX, view().xOf(entries[index].samples.start), old);
  if (index >= document_.labels().entries().size()) return;  // the recording went away meanwhile
  TextLabel& l = document_.labels().entries()[index];
  if (!text) {
    l.text = old;
    l.hidden = false;
    document_.labelsChanged();
    return;
  }
  // OK with no text leaves the label deleted.
  if (!text->empty()) {
    l.text = *text;
    l.samples.end = l.samples.start + coveredLength(*text, view().fontHeight());
    l.hidden = false;
  }
  labelsChanged();
}

BandPointer LabelBand::hover(int x, int y) {
  if (moving_) return BandPointer::Moving;
  const LabelView v = view();
  const int hit = hitLabel(document_.labels(), v, x);
  if (hit < 0) {
    clearTip();
    return BandPointer::Empty;
  }
  const TextLabel& l = document_.labels().entries()[static_cast<size_t>(hit)];
  if (placeLabel(l, v).marker) {
    LabelTip next{x, y, std::max(1, geometry_.screenHeight / 768), l.text};
    const bool changed = !tip_ || tip_->x != next.x || tip_->y != next.y || tip_->text != next.text;
    tip_ = std::move(next);
    if (changed) repaint();
  } else {
    clearTip();
  }
  return BandPointer::OverLabel;
}

void LabelBand::clearTip() {
  if (!tip_) return;
  tip_.reset();
  repaint();
}

void LabelBand::reset() {
  // An edit of the samples puts a label being moved back; a new recording has none of it.
  auto& entries = document_.labels().entries();
  if (moving_ && *moving_ < entries.size()) entries[*moving_].hidden = false;
  moving_.reset();
  preview_.reset();
  tip_.reset();
}

}  // namespace velmora
