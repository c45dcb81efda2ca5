// The label band's rules with scripted dialogs: markers, the limit of 50, the "too large"
// refusal, moving and editing.
#include <gtest/gtest.h>

#include <deque>

#include "core/message_ids.h"
#include "fakes/scripted_interaction.h"
#include "presentation/label_band.h"

namespace velmora {
namespace {

constexpr int kRate = 11025;

struct ScriptedPrompts : LabelPrompts {
  std::deque<std::optional<std::string>> texts;  // answers of "Insert Text"; empty: Cancel
  std::deque<LabelMenuChoice> choices;
  std::vector<TextPrompt> asked;
  std::vector<DialogPlace> tooLarge;
  int menus = 0;

  std::optional<std::string> askText(const TextPrompt& prompt,
                                     const std::function<void(const std::string&)>& onTyped) override {
    asked.push_back(prompt);
    std::optional<std::string> answer;
    if (!texts.empty()) {
      answer = texts.front();
      texts.pop_front();
    }
    if (answer) onTyped(*answer);
    return answer;
  }
  void showTooLarge(const DialogPlace& place) override { tooLarge.push_back(place); }
  LabelMenuChoice chooseLabelAction(int, int) override {
    ++menus;
    if (choices.empty()) return LabelMenuChoice::None;
    const LabelMenuChoice c = choices.front();
    choices.pop_front();
    return c;
  }
  // A fixed-pitch font of 8 px per character.
  int textWidth(const std::string& text, int) const override { return 8 * static_cast<int>(utf8CharacterCount(text)); }
};

class LabelBandTest : public ::testing::Test {
 protected:
  void open(int seconds) {
    SoundBuffer b;
    b.samples.assign(static_cast<size_t>(seconds) * kRate, 0);
    b.format = WaveFormat::pcm(kRate);
    b.path = "pac001/wv001.wav";
    doc.open(std::move(b), 1);
    band.setRepaint([this] { ++repaints; });
  }
  int xOfSample(int32_t s) const { return band.view().xOf(s) + 1; }

  ViewGeometry g = ViewGeometry::forScreen(1024, 768);
  RecordingDocument doc;
  testing::ScriptedInteraction ui;
  ScriptedPrompts prompts;
  LabelBand band{doc, g, ui, prompts};
  int repaints = 0;
};

TEST_F(LabelBandTest, ALabelMadeInThreeSecondsIsAMarkerOnTheWholeRecordingAndClickingItZoomsBack) {
  open(120);
  const SampleRange threeSeconds{44100, 44100 + 3 * kRate};
  ASSERT_TRUE(doc.zoomTo(threeSeconds));
  prompts.texts = {std::string("vowel a")};
  const int clickX = g.graphLeft + 100;
  EXPECT_FALSE(band.press(clickX));

  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].fontHeight, 16);
  EXPECT_EQ(prompts.asked[0].previewX, clickX);
  EXPECT_EQ(prompts.asked[0].place.left, std::min(clickX, g.largeLayout ? 700 : 500));
  EXPECT_FALSE(band.preview());  // gone with the dialog
  ASSERT_EQ(doc.labels().entries().size(), 1u);
  const TextLabel& l = doc.labels().entries()[0];
  const int32_t s = threeSeconds.start + 100 * threeSeconds.length() / g.graphWidth;
  const double samplesPerPixel = threeSeconds.length() / double(g.graphWidth);
  EXPECT_EQ(l.samples, (SampleRange{s, s + static_cast<int32_t>(samplesPerPixel * 56 + 35)}));
  EXPECT_EQ(l.zoom, threeSeconds);
  EXPECT_TRUE(doc.labels().modified());

  LabelPlacement p = placeLabel(l, band.view());
  EXPECT_FALSE(p.marker);
  EXPECT_EQ(p.characterX.size(), 7u);
  EXPECT_NEAR(p.characterX[0], clickX, 1);

  doc.showAll();
  p = placeLabel(l, band.view());
  ASSERT_TRUE(p.marker);
  // Hovering the marker shows its text; clicking it zooms back to the three seconds.
  const int markerX = p.markerLeft + 5;
  EXPECT_EQ(band.hover(markerX, g.labelBandTop() + 5), BandPointer::OverLabel);
  ASSERT_TRUE(band.tip());
  EXPECT_EQ(band.tip()->text, "vowel a");
  EXPECT_EQ(band.hover(markerX + 40, g.labelBandTop() + 5), BandPointer::Empty);
  EXPECT_FALSE(band.tip());
  EXPECT_FALSE(band.press(markerX + 40));  // beside it: a new label would need a shorter view
  EXPECT_EQ(prompts.tooLarge.size(), 1u);
  EXPECT_TRUE(band.press(markerX));
  EXPECT_EQ(doc.visibleRange(), threeSeconds);
  EXPECT_EQ(prompts.menus, 0);
}

TEST_F(LabelBandTest, FiftyLabelsRefuseAnotherUntilOneIsDeletedAndTheNewOneTakesItsSlot) {
  open(60);
  ASSERT_TRUE(doc.zoomTo({0, 10 * kRate}));
  for (int i = 0; i < 49; ++i) {
    TextLabel far;
    far.samples = {300000 + i * 1000, 300000 + i * 1000 + 500};
    far.text = "far";
    ASSERT_TRUE(doc.labels().add(far));
  }
  TextLabel near;
  near.samples = {11025, 22050};
  near.text = "near";
  ASSERT_EQ(doc.labels().add(near), size_t(49));

  const int freeX = g.graphLeft + 600;
  band.press(freeX);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::TooManyLabels});
  EXPECT_TRUE(prompts.asked.empty());

  prompts.choices = {LabelMenuChoice::Delete};
  band.press(xOfSample(15000));
  EXPECT_EQ(prompts.menus, 1);
  EXPECT_TRUE(doc.labels().entries()[49].hidden);

  prompts.texts = {std::string("new")};
  band.press(freeX);
  EXPECT_EQ(ui.shownIds().size(), 1u);
  ASSERT_EQ(doc.labels().entries().size(), 50u);
  EXPECT_EQ(doc.labels().entries()[49].text, "new");
  EXPECT_FALSE(doc.labels().entries()[49].hidden);
  EXPECT_EQ(doc.labels().entries()[49].samples.start, band.view().sampleAt(freeX));
}

TEST_F(LabelBandTest, ClickingTheBandWithTwentyFiveSecondsShownOpensTheTooLargeDialog) {
  open(60);
  ASSERT_TRUE(doc.zoomTo({0, 25 * kRate}));
  band.press(g.graphLeft + 30);
  ASSERT_EQ(prompts.tooLarge.size(), 1u);
  EXPECT_EQ(prompts.tooLarge[0].left, g.graphLeft + 30 - 50);
  EXPECT_EQ(prompts.tooLarge[0].width, 272);
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_TRUE(doc.labels().empty());

  // Twenty seconds are still short enough.
  doc.showAll();
  ASSERT_TRUE(doc.zoomTo({0, 20 * kRate}));
  band.press(g.graphLeft + 30);
  EXPECT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.tooLarge.size(), 1u);
}

TEST_F(LabelBandTest, MoveEditAndTheirCancels) {
  open(10);
  TextLabel l;
  l.samples = {11025, 22050};
  l.zoom = {0, 10 * kRate};
  l.text = "ba";
  doc.labels().load({l});

  // Move, then a right press: the label stays where it was.
  prompts.choices = {LabelMenuChoice::Move, LabelMenuChoice::Move};
  band.press(xOfSample(15000));
  EXPECT_TRUE(band.moving());
  EXPECT_TRUE(doc.labels().entries()[0].hidden);
  EXPECT_EQ(band.hover(g.graphLeft + 500, g.labelBandTop() + 3), BandPointer::Moving);
  band.rightPress();
  EXPECT_FALSE(doc.labels().entries()[0].hidden);
  EXPECT_EQ(doc.labels().entries()[0].samples, l.samples);

  // Move, then a click: the label starts at the sample under the pointer.
  band.press(xOfSample(15000));
  const int target = g.graphLeft + 600;
  band.press(target);
  const int32_t at = band.view().sampleAt(target);
  EXPECT_EQ(doc.labels().entries()[0].samples, (SampleRange{at, at + 11025}));
  EXPECT_FALSE(band.moving());
  EXPECT_TRUE(doc.labels().modified());

  // Edit: Cancel brings the old text back; OK gives the new text and its length.
  prompts.choices = {LabelMenuChoice::Edit, LabelMenuChoice::Edit};
  prompts.texts = {std::nullopt, std::string("bab")};
  band.press(target + 2);
  EXPECT_EQ(prompts.asked.back().initialText, "ba");
  EXPECT_EQ(doc.labels().entries()[0].text, "ba");
  EXPECT_FALSE(doc.labels().entries()[0].hidden);
  band.press(target + 2);
  EXPECT_EQ(prompts.asked.back().previewX, band.view().xOf(at));
  EXPECT_EQ(doc.labels().entries()[0].text, "bab");
  const int32_t length = static_cast<int32_t>(band.view().samplesPerPixel() * 24 + 15);
  EXPECT_EQ(doc.labels().entries()[0].samples, (SampleRange{at, at + length}));
}

TEST(LabelLayout, FontHeightFollowsTheVisibleLength) {
  const std::pair<double, int> table[] = {{3, 16}, {5, 16}, {6, 14}, {8, 12}, {9, 12}, {10, 10}, {20, 10},
                                          {25, 8}, {35, 6}, {50, 4}, {60, 4},  {120, 2}};
  for (const auto& [seconds, height] : table) EXPECT_EQ(labelFontHeight(seconds), height) << seconds;
}

}  // namespace
}  // namespace velmora
