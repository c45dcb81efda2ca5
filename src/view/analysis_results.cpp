#include "view/analysis_results.h"

namespace velmora {

void AnalysisResults::samplesChanged() {
  imageValid_ = false;
  f0Valid_ = false;
  formantsValid_ = false;
  powerValid_ = false;
  f0_.clear();
  formants_.clear();
}

const QImage* AnalysisResults::spectrogramImage(const SoundBuffer&, int, int) { return cachedSpectrogram(); }
const std::vector<float>* AnalysisResults::f0Values(const SoundBuffer&, const StatusSink&) { return cachedF0(); }
const std::vector<FormantFrameValues>* AnalysisResults::formants(const SoundBuffer&, const StatusSink&) {
  return cachedFormants();
}
const PowerCurve* AnalysisResults::powerCurve(const SoundBuffer&) { return cachedPower(); }

}  // namespace velmora
