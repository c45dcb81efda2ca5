// The HLS conversion and the three spectrogram palettes.
#include <gtest/gtest.h>

#include "analysis/hls_colour.h"
#include "analysis/spectrogram_palette.h"

namespace velmora {
namespace {

int brightness(Rgb c) { return c.red + c.green + c.blue; }

TEST(HlsColour, GreyIsLuminanceTimesSeventeenSixteenths) {
  for (int lum : {0, 1, 15, 16, 120, 236, 239, 240}) {
    const int grey = lum * 17 / 16;
    EXPECT_EQ(hlsToRgb(77, lum, 0), (Rgb{uint8_t(grey), uint8_t(grey), uint8_t(grey)})) << lum;
  }
}

TEST(HlsColour, PrimaryHuesAtHalfLuminanceAndFullSaturation) {
  EXPECT_EQ(hlsToRgb(0, 120, 240), (Rgb{255, 0, 0}));
  EXPECT_EQ(hlsToRgb(80, 120, 240), (Rgb{0, 255, 0}));
  EXPECT_EQ(hlsToRgb(160, 120, 240), (Rgb{0, 0, 255}));
  EXPECT_EQ(hlsToRgb(40, 120, 240), (Rgb{255, 255, 0}));
  EXPECT_EQ(hlsToRgb(240, 120, 240), (Rgb{255, 0, 0}));  // the hue circle closes
}

TEST(HlsColour, LightTintsFollowTheDialogRounding) {
  // Worked by hand through the dialog's integer formula: magic values 80 and 240.
  EXPECT_EQ(hlsToRgb(150, 160, 240), (Rgb{85, 128, 255}));
  EXPECT_EQ(hlsToRgb(0, 160, 240), (Rgb{255, 85, 85}));
  EXPECT_EQ(hlsToRgb(0, 240, 240), (Rgb{255, 255, 255}));
  EXPECT_EQ(hlsToRgb(150, 0, 240), (Rgb{0, 0, 0}));
}

TEST(Palette, IntensitiesMapToEntries) {
  EXPECT_EQ(paletteEntryOfIntensity(0), 100);
  EXPECT_EQ(paletteEntryOfIntensity(1), 99);
  EXPECT_EQ(paletteEntryOfIntensity(31), 69);
  EXPECT_EQ(paletteEntryOfIntensity(100), 0);
  EXPECT_EQ(paletteEntryOfIntensity(101), 0);
  EXPECT_EQ(paletteEntryOfIntensity(255), 0);
}

TEST(Palette, GreySchemeWithSeventyLevels) {
  const SpectrogramPalette p = buildPalette(70, 0);
  EXPECT_EQ(p[paletteEntryOfIntensity(100)], (Rgb{0, 0, 0}));          // loudest: black
  EXPECT_EQ(p[paletteEntryOfIntensity(31)], (Rgb{250, 250, 250}));     // entry 69, luminance 236
  EXPECT_EQ(p[paletteEntryOfIntensity(30)], (Rgb{255, 255, 255}));     // below the shaded range
  EXPECT_EQ(p[paletteEntryOfIntensity(0)], (Rgb{255, 255, 255}));      // background
  for (int i = 1; i < 70; ++i) EXPECT_GE(p[i].red, p[i - 1].red) << i;  // loud is dark
  for (int i = 70; i < kPaletteSize; ++i) EXPECT_EQ(p[i], (Rgb{255, 255, 255})) << i;
}

TEST(Palette, ColourSchemesRampFromBlackToARainbow) {
  for (int scheme : {1, 2}) {
    SCOPED_TRACE(scheme);
    const SpectrogramPalette p = buildPalette(70, scheme);
    // Background and the quietest shade are black.
    for (int i = 70; i < kPaletteSize; ++i) EXPECT_EQ(p[i], (Rgb{0, 0, 0})) << i;
    EXPECT_EQ(p[69], (Rgb{0, 0, 0}));
    // 35 ramp entries (69 down to 35) grow brighter towards the loud end.
    for (int e = 68; e >= 35; --e) EXPECT_GE(brightness(p[e]), brightness(p[e + 1])) << e;
    EXPECT_GT(brightness(p[35]), brightness(p[60]));
  }
  const SpectrogramPalette blue = buildPalette(70, 1);
  const SpectrogramPalette red = buildPalette(70, 2);
  // Ramps: scheme 1 is blue, scheme 2 red.
  EXPECT_GT(blue[40].blue, blue[40].red);
  EXPECT_GT(red[40].red, red[40].blue);
  // Rainbows at luminance 160: scheme 1 starts red (hue 0) and runs to blue, scheme 2 the
  // other way round.
  EXPECT_EQ(blue[0], (Rgb{255, 85, 85}));
  EXPECT_EQ(red[0], (Rgb{85, 128, 255}));
  EXPECT_EQ(blue[34], hlsToRgb(34 * 150 / 35, 160, 240));
  EXPECT_EQ(red[34], hlsToRgb(150 / 35, 160, 240));
}

TEST(Palette, LevelsOutOfRangeAreLimited) {
  const SpectrogramPalette few = buildPalette(1, 1);
  EXPECT_EQ(few, buildPalette(kMinLevels, 1));
  const SpectrogramPalette all = buildPalette(1000, 0);
  EXPECT_EQ(all, buildPalette(kPaletteSize, 0));
  EXPECT_NE(all[kPaletteSize - 1], (Rgb{255, 255, 255}));  // every entry shaded
  EXPECT_EQ(buildPalette(70, 7), buildPalette(70, 2));     // unknown scheme: the default
}

}  // namespace
}  // namespace velmora
