// The system display-mode layer: RandR on an X server when there is one, no modes elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/display_modes.h"
#include "platform/xrandr_library.h"

namespace velmora {
namespace {

TEST(SystemDisplayModes, OffscreenOffersNoModesAndRefusesChanges) {
  SystemDisplayModes modes;  // the tests run on the offscreen platform
  EXPECT_FALSE(modes.hasModeSwitching());
  EXPECT_TRUE(modes.modes().empty());
  EXPECT_EQ(modes.apply(ScreenMode{1024, 768, 24}), ModeChangeResult::Failed);
}

TEST(XrandrLibrary, OffersTheCurrentSizeWhenAnXServerAnswers) {
  std::unique_ptr<XrandrLibrary> randr = XrandrLibrary::open();
  if (!std::getenv("DISPLAY")) {
    EXPECT_EQ(randr, nullptr);  // no server to ask
    return;
  }
  if (!randr) GTEST_SKIP() << "the X server named by DISPLAY has no RandR";
  const ScreenMode now = randr->current();
  EXPECT_GE(now.width, 1);
  EXPECT_GE(now.bitsPerPixel, 1);
  const std::vector<ScreenMode> sizes = randr->sizes();
  EXPECT_NE(std::find(sizes.begin(), sizes.end(), now), sizes.end());
  // Setting the current size again is accepted and changes nothing.
  EXPECT_TRUE(randr->setSize(now.width, now.height));
  EXPECT_EQ(randr->current(), now);
  EXPECT_FALSE(randr->setSize(now.width + 1, now.height + 1));
}

}  // namespace
}  // namespace velmora
