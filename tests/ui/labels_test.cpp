// A label made on the real widget: a click in the label band opens "Insert Text", the text
// shows on the band as it is typed, OK draws the label, closing stores it, opening brings it
// back, and Clean Texts removes it for good.
#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include "view/insert_text_dialog.h"
#include "view/view_renderer.h"
#include "view_audio_fixture.h"

namespace velmora::testing {
namespace {

constexpr int kSamples = 3 * 11025;

class LabelsOnTheViewTest : public ViewAudioFixture {
 protected:
  void SetUp() override {
    ViewAudioFixture::SetUp();
    view()->resize(1024, 700);
    writeRecording(clientFile("wv001.wav"), kSamples);
    openRecording();
  }
  void openRecording() { ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann")); }
  const ViewGeometry& g() const { return view()->geometry(); }
  QPoint device(int x, int y) const { return QPoint(x, static_cast<int>(y * g().verticalStretch() + 0.5)); }
  // Inside the band's dotted frame.
  int bandLeft() const { return g().graphLeft + 2; }
  int bandRight() const { return g().graphLeft + g().graphWidth - 1; }
  int bandY() const { return (g().labelBandTop() + g().labelBandBottom()) / 2; }
  // Dark pixels inside the label band, between two pane x positions.
  int inkInBand(const QImage& image, int fromX, int toX) const {
    int ink = 0;
    for (int y = device(0, g().labelBandTop() + 2).y(); y < device(0, g().labelBandBottom() - 2).y(); ++y)
      for (int x = fromX; x < toX; ++x) ink += qGray(image.pixel(x, y)) < 100;
    return ink;
  }
};

TEST_F(LabelsOnTheViewTest, ABandClickMakesALabelThatIsDrawnStoredAndCleaned) {
  const int clickX = g().graphLeft + 200;
  const QImage before = view()->renderImage();
  std::string previewSeen;
  bool dialogSeen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<InsertTextDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialogSeen = true;
    QTest::keyClicks(dialog->editor(), QStringLiteral("vowel a"));
    if (view()->scene().labelPreview) previewSeen = view()->scene().labelPreview->text;
    QTest::keyClick(dialog->editor(), Qt::Key_Return);
  });
  QTest::mouseClick(view(), Qt::LeftButton, Qt::NoModifier, device(clickX, bandY()));
  ASSERT_TRUE(dialogSeen);
  EXPECT_EQ(previewSeen, "vowel a");
  EXPECT_FALSE(view()->scene().labelPreview);

  const auto& labels = view()->document().labels().entries();
  ASSERT_EQ(labels.size(), 1u);
  const int32_t start = static_cast<int32_t>(int64_t(clickX - g().graphLeft) * kSamples / g().graphWidth);
  const int width = QFontMetrics(labelFont(16, view()->display().language())).horizontalAdvance(QStringLiteral("vowel a"));
  const int32_t end = start + static_cast<int32_t>(double(kSamples) / g().graphWidth * width + 35);
  EXPECT_EQ(labels[0].samples, (SampleRange{start, end}));

  const QImage after = view()->renderImage();
  EXPECT_EQ(inkInBand(before, bandLeft(), bandRight()), 0);
  EXPECT_GT(inkInBand(after, clickX, clickX + width + 20), 30);
  EXPECT_EQ(inkInBand(after, clickX + width + 40, bandRight()), 0);

  view()->closeRecording();
  const std::string stored = folder.readBytes("pac001/wv001.mrk");
  EXPECT_EQ(stored, "1;;0;;" + std::to_string(kSamples) + ";;" + std::to_string(start) + ";;" + std::to_string(end) +
                        ";;vowel a;;");

  openRecording();
  ASSERT_EQ(view()->document().labels().visibleCount(), 1u);
  EXPECT_GT(inkInBand(view()->renderImage(), clickX, clickX + width + 20), 30);
  ASSERT_TRUE(window->action(cmd::CleanTexts)->isEnabled());
  window->runCommand(cmd::CleanTexts);
  EXPECT_FALSE(std::filesystem::exists(clientFile("wv001.mrk")));
  EXPECT_EQ(inkInBand(view()->renderImage(), bandLeft(), bandRight()), 0);
  view()->closeRecording();
  openRecording();
  EXPECT_TRUE(view()->document().labels().empty());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LabelsOnTheViewTest, TheFilesMenuExportsAndImportsTextGrids) {
  TextLabel l;
  l.zoom = {0, kSamples};
  l.samples = {11025, 22050};
  l.text = "ah";
  view()->document().labels().add(l);
  ASSERT_TRUE(window->action(cmd::ExportLabels)->isEnabled());
  ui.fileAnswers = {folder / "grid.TextGrid"};
  window->runCommand(cmd::ExportLabels);
  const std::string grid = folder.readBytes("grid.TextGrid");
  EXPECT_NE(grid.find("text = \"ah\""), std::string::npos) << grid;

  view()->document().labels().remove(0);
  ui.fileAnswers = {folder / "grid.TextGrid"};
  window->runCommand(cmd::ImportLabels);
  ASSERT_EQ(view()->document().labels().visibleCount(), 1u);
  EXPECT_EQ(view()->document().labels().entries()[0].samples, l.samples);
  view()->closeRecording();
  EXPECT_EQ(folder.readBytes("pac001/wv001.mrk"), "1;;0;;33075;;11025;;22050;;ah;;");
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace velmora::testing
