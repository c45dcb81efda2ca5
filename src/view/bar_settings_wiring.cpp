#include "view/bar_settings_wiring.h"

#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "presentation/bar_choices.h"
#include "view/view_display.h"

namespace velmora {

void wireBarSettings(SpectrogramBar* s, PowerSpectrumBar* p, ViewDisplay& display, QWidget* view,
                     const std::function<void(double factor)>& updateRate) {
  AnalysisResults& results = display.results();
  results.spectrogram().setBandwidth(static_cast<float>(s->selectedBandHz()));
  results.spectrogram().setLevels(s->dbSlider()->value());
  results.power().setFftSize(p->selectedFftSize());

  ViewDisplay* d = &display;
  QObject::connect(s, &SpectrogramBar::bandChanged, view, [d](int hz) { d->setBand(hz); });
  QObject::connect(s, &SpectrogramBar::limitChanged, view, [d](int hz) { d->setSpectrogramLimit(hz); });
  QObject::connect(s, &SpectrogramBar::f0Toggled, view, [d](bool on) { d->setShowF0(on); });
  QObject::connect(s, &SpectrogramBar::formantsToggled, view, [d](bool on) { d->setShowFormants(on); });
  QObject::connect(s, &SpectrogramBar::spectrogramToggled, view, [d](bool on) { d->setShowSpectrogram(on); });
  QObject::connect(s, &SpectrogramBar::schemeChosen, view, [d](int scheme) { d->setScheme(scheme); });
  QObject::connect(s, &SpectrogramBar::levelsChanged, view, [d](int db) { d->setLevels(db); });
  QObject::connect(s, &SpectrogramBar::focusBackToView, view, [view] { view->setFocus(); });
  QObject::connect(s, &SpectrogramBar::updateRateChanged, view, [updateRate](int index) {
    updateRate(spectrogramUpdateRateFactors().at(static_cast<size_t>(index)));
  });
  QObject::connect(p, &PowerSpectrumBar::limitChanged, view, [d](int hz) { d->setPowerLimit(hz); });
  QObject::connect(p, &PowerSpectrumBar::fftSizeChanged, view, [d](int points) { d->setFftSize(points); });
  QObject::connect(p, &PowerSpectrumBar::ltasToggled, view, [d](bool on) { d->setLtas(on); });
  QObject::connect(p, &PowerSpectrumBar::lineModeChanged, view, [d](bool line) { d->setLineMode(line); });
  QObject::connect(p, &PowerSpectrumBar::colourChosen, view, [d](const QColor& c) {
    d->setCurveColour(Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())});
  });
  QObject::connect(p, &PowerSpectrumBar::focusBackToView, view, [view] { view->setFocus(); });
  QObject::connect(p, &PowerSpectrumBar::updateRateChanged, view, [updateRate](int index) {
    updateRate(powerSpectrumUpdateRateFactors().at(static_cast<size_t>(index)));
  });
}

}  // namespace velmora
