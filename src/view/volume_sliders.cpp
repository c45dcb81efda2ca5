#include "view/volume_sliders.h"

#include "audio/volume_slider.h"

namespace velmora {

VolumeSliders::VolumeSliders(QWidget* view)
    : QObject(view), playback_(new QSlider(Qt::Vertical, view)), record_(new QSlider(Qt::Vertical, view)) {
  for (QSlider* s : {playback_, record_}) {
    s->setEnabled(false);
    s->hide();
  }
  connect(playback_, &QSlider::valueChanged, this, [this](int value) {
    if (playbackVolume_) playbackVolume_->setValue(value);
    if (playbackAlso_ && playbackAlso_->isValid()) {
      // The same place on the wave output's own scale.
      const int span = playback_->maximum() - playback_->minimum();
      const double share = span > 0 ? double(value - playback_->minimum()) / span : 0.0;
      playbackAlso_->setValue(playbackAlso_->minimum() +
                              static_cast<int>(share * (playbackAlso_->maximum() - playbackAlso_->minimum()) + 0.5));
    }
  });
  connect(record_, &QSlider::valueChanged, this, [this](int value) {
    if (recordVolume_) recordVolume_->setValue(value);
  });
}

void VolumeSliders::setUp(QSlider* slider, VolumeControl* volume) {
  const VolumeSliderSetup s = volumeSliderSetup(volume);
  const QSignalBlocker block(slider);
  slider->setRange(s.minimum, s.maximum);
  slider->setPageStep(std::max(1, s.pageStep));
  slider->setValue(s.maximum - s.position);
  slider->setEnabled(s.enabled && !heldOff_);
}

void VolumeSliders::attach(VolumeControl* playback, VolumeControl* playbackAlso, VolumeControl* record) {
  playbackVolume_ = playback && playback->isValid() ? playback : nullptr;
  playbackAlso_ = playbackAlso;
  recordVolume_ = record && record->isValid() ? record : nullptr;
  setUp(playback_, playbackVolume_);
  setUp(record_, recordVolume_);
}

void VolumeSliders::volumeChanged(const VolumeControl* volume, int value) {
  QSlider* slider = nullptr;
  if (volume && volume == playbackVolume_) slider = playback_;
  if (volume && volume == recordVolume_) slider = record_;
  if (!slider) return;
  const QSignalBlocker block(slider);
  slider->setValue(value);
}

void VolumeSliders::setEnabled(bool on) {
  heldOff_ = !on;
  playback_->setEnabled(on && playbackVolume_);
  record_->setEnabled(on && recordVolume_);
}

void VolumeSliders::place(const ViewGeometry& g, double stretch) {
  // Under the captions the volume panel draws: "Vol" and, 160 px (142 large) lower, "Mic".
  const int x = g.largeLayout ? 28 : 13;
  int y = 140;
  if (g.largeLayout) {
    const int t = std::max(1, g.screenHeight / 768);
    y = (g.screenHeight - 768) / 2 + 240 - 40 * t;
  }
  const int gap = g.largeLayout ? 142 : 160;
  const int height = gap - 40;
  const auto scaled = [stretch](int v) { return static_cast<int>(v * stretch); };
  playback_->setGeometry(x, scaled(y + 25), 26, scaled(height));
  record_->setGeometry(x, scaled(y + gap + 25), 26, scaled(height));
}

void VolumeSliders::setVisible(bool on) {
  playback_->setVisible(on);
  record_->setVisible(on);
}

}  // namespace velmora
