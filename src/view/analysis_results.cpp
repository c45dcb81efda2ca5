#include "view/analysis_results.h"

namespace velmora {

AnalysisResults::AnalysisResults() = default;

void AnalysisResults::samplesChanged() {
  imageValid_ = false;
  powerValid_ = false;
  power_.setHasData(false);
  f0_.invalidate();
  formants_.invalidate();
}

void AnalysisResults::setSampleRate(int rateHz) {
  spectrogram_.setSampleRate(rateHz);
  power_.setSampleRate(rateHz);
  imageValid_ = false;
  powerValid_ = false;
}

void AnalysisResults::computeSpectrogram(const SoundBuffer& buffer, int width, int height) {
  const RangeKey key{buffer.visibleStart, buffer.visibleEnd, width, height};
  if (imageValid_ && key == imageKey_) return;
  const int rate = static_cast<int>(buffer.sampleRate());
  const int64_t length = buffer.visibleEnd - buffer.visibleStart;
  if (rate <= 0 || length <= 0) return;
  spectrogram_.drawRecording(buffer.samples.data() + buffer.visibleStart, length, static_cast<double>(length) / rate,
                             rate, width, height);
  imageKey_ = key;
  imageValid_ = true;
}

bool AnalysisResults::powerNeeded(const SoundBuffer& buffer) const {
  const RangeKey key{buffer.visibleStart, buffer.visibleEnd, power_.fftSize(), 0};
  return buffer.visibleEnd > buffer.visibleStart && !(powerValid_ && key == powerKey_);
}

void AnalysisResults::setPower(const PowerSpectrum& computed, int32_t start, int32_t end) {
  if (computed.fftSize() != power_.fftSize()) return;
  power_.takeLevelsOf(computed);
  power_.setHasData(true);
  powerKey_ = RangeKey{start, end, power_.fftSize(), 0};
  powerValid_ = true;
}

namespace {
QImage wrap(const SpectrogramImage& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.rgb.size() < static_cast<size_t>(picture.width) * picture.height * 3)
    return QImage();
  return QImage(picture.rgb.data(), picture.width, picture.height, picture.width * 3, QImage::Format_RGB888);
}
}  // namespace

QImage AnalysisResults::spectrogramImage() const { return imageValid_ ? wrap(spectrogram_.recordingImage()) : QImage(); }

QImage AnalysisResults::liveSpectrogramImage() const { return wrap(spectrogram_.liveImage()); }

}  // namespace velmora
