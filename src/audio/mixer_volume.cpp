#include "audio/mixer_volume.h"

#include <climits>

namespace velmora {

MixerVolume::MixerVolume(MixerRole role, std::unique_ptr<MixerElement> element)
    : role_(role), element_(std::move(element)) {
  if (!isValid()) return;
  element_->setChangeCallback([this] {
    if (!handler_) return;
    const int v = value();
    // A read failure tells nobody anything.
    if (v >= 0) handler_(v);
  });
}

bool MixerVolume::isValid() const {
  // Our sliders and values are ints; a range beyond them is no control we can drive.
  return element_ && element_->found() && element_->channelCount() > 0 && element_->minimum() >= 0 &&
         element_->maximum() > element_->minimum() && element_->maximum() < INT_MAX;
}

void MixerVolume::enable() {
  if (!isValid()) return;
  if (role_ == MixerRole::Input) {
    element_->selectRecordSource();
    element_->setSwitch(true);
  } else {
    element_->setSwitch(true);
  }
}

void MixerVolume::disable() {
  if (isValid() && role_ != MixerRole::Input) element_->setSwitch(false);
}

int MixerVolume::steps() const { return isValid() ? static_cast<int>(element_->maximum() - element_->minimum()) : -1; }
int MixerVolume::minimum() const { return isValid() ? static_cast<int>(element_->minimum()) : -1; }
int MixerVolume::maximum() const { return isValid() ? static_cast<int>(element_->maximum()) : -1; }

int MixerVolume::value() const {
  if (!isValid()) return -1;
  long v = 0;
  if (!element_->readChannel(0, v)) return -1;
  if (role_ == MixerRole::Master && v == 0 && element_->channelCount() > 1) {
    long second = 0;
    if (element_->readChannel(1, second)) v = second;
  }
  return static_cast<int>(v);
}

void MixerVolume::setValue(int value) {
  if (!isValid() || value < minimum() || value > maximum()) return;
  const int channels = element_->channelCount();
  const int half = channels / 2;
  for (int c = 0; c < channels; ++c) {
    long v = value;
    if (role_ == MixerRole::Master && channels > 1) {
      if (balance_ == MixerBalance::Left && c >= half) v = 0;
      if (balance_ == MixerBalance::Right && c < half) v = 0;
    }
    element_->writeChannel(c, v);
  }
}

void MixerVolume::setChangeHandler(ChangeHandler handler) { handler_ = std::move(handler); }

}  // namespace velmora
