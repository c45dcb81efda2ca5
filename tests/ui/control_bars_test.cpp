// The control bars' widgets: their lists for each rate, their start state, and the choices
// they report.
#include <gtest/gtest.h>

#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"

namespace velmora {
namespace {

TEST(ControlBars, ElevenKilohertzFileOffersThreeLimitsTopping5512) {
  SpectrogramBar bar(-1);
  EXPECT_EQ(bar.setRate(11025), 5512);
  EXPECT_EQ(bar.limitCombo()->count(), 3);
  EXPECT_EQ(bar.limitCombo()->currentIndex(), 2);
  EXPECT_EQ(bar.limitCombo()->itemText(0), "2756 Hz   ");
  EXPECT_EQ(bar.setRate(44100), 7350);
  EXPECT_EQ(bar.limitCombo()->count(), 6);
  EXPECT_EQ(bar.setRate(22050), 7350);
  EXPECT_EQ(bar.limitCombo()->count(), 4);
  EXPECT_EQ(bar.setRate(48000), 0);  // no list for a rate the program does not show
  EXPECT_EQ(bar.limitCombo()->count(), 0);
  EXPECT_EQ(bar.bandCombo()->currentIndex(), 1);
  EXPECT_EQ(bar.selectedBandHz(), 40);
  EXPECT_EQ(bar.updateRateCombo()->currentIndex(), 3);
  EXPECT_TRUE(bar.spectrogramBox()->isChecked());
  EXPECT_FALSE(bar.f0Box()->isChecked());
  EXPECT_FALSE(bar.transport()->recordButton()->isEnabled());
  EXPECT_FALSE(bar.transport()->playButton()->isEnabled());
}

TEST(ControlBars, ChoicesAreReported) {
  SpectrogramBar bar(1);
  EXPECT_EQ(bar.updateRateCombo()->currentIndex(), 1);
  bar.setRate(22050);
  int band = 0, limit = 0;
  bool f0 = false;
  QObject::connect(&bar, &SpectrogramBar::bandChanged, &bar, [&](int hz) { band = hz; });
  QObject::connect(&bar, &SpectrogramBar::limitChanged, &bar, [&](int hz) { limit = hz; });
  QObject::connect(&bar, &SpectrogramBar::f0Toggled, &bar, [&](bool on) { f0 = on; });
  bar.bandCombo()->setCurrentIndex(4);
  emit bar.bandCombo()->activated(4);
  bar.limitCombo()->setCurrentIndex(3);
  emit bar.limitCombo()->activated(3);
  bar.f0Box()->setChecked(true);
  EXPECT_EQ(band, 300);
  EXPECT_EQ(limit, 11025);
  EXPECT_TRUE(f0);

  PowerSpectrumBar power(-1);
  EXPECT_EQ(power.selectedFftSize(), 512);
  EXPECT_EQ(power.visualisationCombo()->itemText(1), "Line");
  int fft = 0;
  QObject::connect(&power, &PowerSpectrumBar::fftSizeChanged, &power, [&](int n) { fft = n; });
  power.fftSizeCombo()->setCurrentIndex(2);
  emit power.fftSizeCombo()->activated(2);
  EXPECT_EQ(fft, 1024);
}

}  // namespace
}  // namespace velmora
