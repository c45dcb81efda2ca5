// The start-up screen check against a fake screen and fake display modes.
#include <gtest/gtest.h>

#include "fakes/scripted_interaction.h"
#include "presentation/screen_check.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;

class FakeScreen : public ScreenProbe {
 public:
  ScreenInfo info;
  ScreenInfo current() const override { return info; }
};

class FakeModes : public DisplayModes {
 public:
  std::vector<ScreenMode> list;
  ScreenMode now{1024, 768, 32};
  int colours = -1;
  ModeChangeResult answer = ModeChangeResult::Changed;
  std::vector<ScreenMode> applied;
  std::vector<ScreenMode> modes() const override { return list; }
  ScreenMode current() const override { return now; }
  int currentColourCount() const override { return colours; }
  ModeChangeResult apply(const ScreenMode& m) override {
    applied.push_back(m);
    return answer;
  }
};

struct CheckRun {
  ScreenCheckResult result;
  std::vector<int> shown;
  int settingsStarts = 0;
};

CheckRun check(int setting, ScreenInfo screen, FakeModes& modes, std::deque<bool> answers = {}, bool settingsStart = true) {
  FakeScreen probe;
  probe.info = screen;
  ScriptedInteraction ui;
  ui.yesNoAnswers = answers;
  ScreenModeChanger changer(modes, ui);
  CheckRun run;
  run.result = checkScreen(setting, probe, changer, ui, [&] {
    ++run.settingsStarts;
    return settingsStart;
  });
  run.shown = ui.shownIds();
  return run;
}

TEST(ScreenCheck, AcceptedScreens) {
  FakeModes modes;
  for (ScreenInfo s : {ScreenInfo{1024, 600, 32, 1}, ScreenInfo{1280, 1024, 24, 1}, ScreenInfo{800, 600, 16, 1},
                       ScreenInfo{800, 720, 16, 1}, ScreenInfo{1920, 1080, 32, 1}}) {
    const CheckRun run = check(4, s, modes);
    EXPECT_TRUE(run.result.ok) << s.width << "x" << s.height;
    EXPECT_EQ(run.result.screenWidth, s.width);
    EXPECT_EQ(run.result.screenHeight, s.height);
    EXPECT_TRUE(run.shown.empty());
  }
}

TEST(ScreenCheck, WidthBetween801And1023IsRefusedWithMessage101) {
  FakeModes modes;
  CheckRun run = check(4, {960, 720, 32, 1}, modes);
  EXPECT_FALSE(run.result.ok);
  EXPECT_EQ(run.shown, std::vector<int>{101});
  EXPECT_EQ(run.settingsStarts, 1);
  run = check(4, {960, 720, 32, 1}, modes, {}, false);
  EXPECT_EQ(run.shown, (std::vector<int>{101, 103}));
}

TEST(ScreenCheck, TooFewColoursOrTooSmallOpensAttentionAndQuits) {
  FakeModes modes;
  for (ScreenInfo s : {ScreenInfo{1024, 768, 4, 1}, ScreenInfo{640, 480, 32, 1}}) {
    for (bool yes : {true, false}) {
      const CheckRun run = check(4, s, modes, {yes}, /*settingsStart=*/false);
      EXPECT_FALSE(run.result.ok);
      ASSERT_FALSE(run.shown.empty());
      EXPECT_EQ(run.shown.front(), 238);
      EXPECT_EQ(run.settingsStarts, yes ? 1 : 0);
      // Yes with no display settings program to start: 57694.
      EXPECT_EQ(run.shown.size(), yes ? 2u : 1u);
      if (yes) {
        EXPECT_EQ(run.shown.back(), 57694);
      }
    }
  }
  EXPECT_EQ(attentionQuestion().caption, "Attention!");
}

TEST(ScreenCheck, ForcedModeEqualToTheCurrentChangesNothing) {
  FakeModes modes;
  modes.now = {1280, 1024, 32};
  FakeScreen probe;
  ScriptedInteraction ui;
  ScreenModeChanger changer(modes, ui);
  const ScreenCheckResult r = checkScreen(3, probe, changer, ui, [] { return true; });
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.screenWidth, 1280);
  EXPECT_EQ(r.screenHeight, 1024);
  EXPECT_TRUE(modes.applied.empty());
  changer.restore();
  EXPECT_TRUE(modes.applied.empty());  // nothing to put back
}

TEST(ScreenCheck, ForcedModeTakesTheDeepestMatchAndIsRestoredAtExit) {
  FakeModes modes;
  modes.list = {{1024, 768, 16}, {1280, 1024, 16}, {1280, 1024, 32}, {1280, 1024, 24}, {1024, 768, 32}};
  FakeScreen probe;
  ScriptedInteraction ui;
  ScreenModeChanger changer(modes, ui);
  const ScreenCheckResult r = checkScreen(3, probe, changer, ui, [] { return true; });
  EXPECT_TRUE(r.ok);
  ASSERT_EQ(modes.applied.size(), 1u);
  EXPECT_EQ(modes.applied[0], (ScreenMode{1280, 1024, 32}));
  EXPECT_TRUE(changer.resolutionChanged());
  changer.restore();
  ASSERT_EQ(modes.applied.size(), 2u);
  // Saved with more than 256 colours: the first 1024x768 mode deeper than 8 bits.
  EXPECT_EQ(modes.applied[1], (ScreenMode{1024, 768, 16}));
  changer.restore();
  EXPECT_EQ(modes.applied.size(), 2u);
}

TEST(ScreenCheck, ForcedModeFailures) {
  FakeModes none;  // no modes at all (the desktop offers none)
  CheckRun run = check(3, {1280, 1024, 32, 1}, none);
  EXPECT_FALSE(run.result.ok);
  EXPECT_EQ(run.shown, std::vector<int>{104});

  FakeModes failing;
  failing.list = {{800, 600, 32}};
  failing.answer = ModeChangeResult::Failed;
  run = check(0, {1280, 1024, 32, 1}, failing);
  EXPECT_FALSE(run.result.ok);
  EXPECT_EQ(run.shown, std::vector<int>{140});

  FakeModes restart;
  restart.list = {{800, 600, 32}};
  restart.answer = ModeChangeResult::RestartRequired;
  run = check(0, {1280, 1024, 32, 1}, restart, {false});
  EXPECT_FALSE(run.result.ok);
  EXPECT_EQ(run.shown, std::vector<int>{141});
}

TEST(ScreenCheck, ForcedSizes) {
  EXPECT_EQ(forcedScreenSize(0)->width, 800);
  EXPECT_EQ(forcedScreenSize(2)->height, 800);
  EXPECT_EQ(forcedScreenSize(3)->height, 1024);
  EXPECT_FALSE(forcedScreenSize(4));
  EXPECT_FALSE(forcedScreenSize(-1));
}

}  // namespace
}  // namespace velmora
