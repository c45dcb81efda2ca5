#include "platform/alsa_mixer_element.h"

#include <QSocketNotifier>
#include <poll.h>

namespace velmora {
namespace {

constexpr const char* kMixerDevice = "default";

bool hasVolume(snd_mixer_elem_t* e, AlsaMixerElement::Direction d) {
  return d == AlsaMixerElement::Direction::Playback ? snd_mixer_selem_has_playback_volume(e)
                                                     : snd_mixer_selem_has_capture_volume(e);
}

}  // namespace

snd_mixer_t* openDefaultMixer() {
  snd_mixer_t* mixer = nullptr;
  if (snd_mixer_open(&mixer, 0) < 0) return nullptr;
  if (snd_mixer_attach(mixer, kMixerDevice) < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 ||
      snd_mixer_load(mixer) < 0) {
    snd_mixer_close(mixer);
    return nullptr;
  }
  return mixer;
}

snd_mixer_elem_t* findRecordSourceSwitch(snd_mixer_t* mixer) {
  for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e))
    if (snd_mixer_selem_is_active(e) && snd_mixer_selem_is_enum_capture(e)) return e;
  return nullptr;
}

void selectEnumItem(snd_mixer_elem_t* element, unsigned index) {
  for (int c = 0; c <= SND_MIXER_SCHN_LAST; ++c) {
    const auto ch = static_cast<snd_mixer_selem_channel_id_t>(c);
    if (snd_mixer_selem_has_capture_channel(element, ch) || c == 0) snd_mixer_selem_set_enum_item(element, ch, index);
  }
}

std::string enumItemName(snd_mixer_elem_t* element, unsigned index) {
  char name[64] = {};
  if (snd_mixer_selem_get_enum_item_name(element, index, sizeof name - 1, name) < 0) return {};
  return name;
}

AlsaMixerElement::AlsaMixerElement(const std::vector<std::string>& names, Direction direction, int sourceItem)
    : direction_(direction), sourceItem_(sourceItem) {
  mixer_ = openDefaultMixer();
  if (!mixer_) return;
  for (const std::string& wanted : names) {
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer_); e && !element_; e = snd_mixer_elem_next(e))
      if (snd_mixer_selem_is_active(e) && wanted == snd_mixer_selem_get_name(e) && hasVolume(e, direction)) element_ = e;
    if (element_) break;
  }
  if (!element_) return;
  if (direction == Direction::Playback) {
    snd_mixer_selem_get_playback_volume_range(element_, &minimum_, &maximum_);
  } else {
    snd_mixer_selem_get_capture_volume_range(element_, &minimum_, &maximum_);
  }
  for (int c = 0; c <= SND_MIXER_SCHN_LAST; ++c) {
    const auto ch = static_cast<snd_mixer_selem_channel_id_t>(c);
    const bool has = direction == Direction::Playback ? snd_mixer_selem_has_playback_channel(element_, ch)
                                                      : snd_mixer_selem_has_capture_channel(element_, ch);
    if (has) channels_.push_back(ch);
  }
  snd_mixer_elem_set_callback(element_, &AlsaMixerElement::elementEvent);
  snd_mixer_elem_set_callback_private(element_, this);
  watchEvents();
}

AlsaMixerElement::~AlsaMixerElement() {
  for (QSocketNotifier* n : notifiers_) delete n;
  if (mixer_) snd_mixer_close(mixer_);
}

void AlsaMixerElement::watchEvents() {
  const int count = snd_mixer_poll_descriptors_count(mixer_);
  if (count <= 0) return;
  std::vector<pollfd> fds(static_cast<size_t>(count));
  if (snd_mixer_poll_descriptors(mixer_, fds.data(), static_cast<unsigned>(count)) < 0) return;
  for (const pollfd& p : fds) {
    auto* n = new QSocketNotifier(p.fd, QSocketNotifier::Read, this);
    // The mixer reads the event and calls elementEvent for what changed.
    connect(n, &QSocketNotifier::activated, this, [this] {
      // A mixer that went away (the sound server stopped) would wake us for ever.
      if (snd_mixer_handle_events(mixer_) < 0)
        for (QSocketNotifier* each : notifiers_) each->setEnabled(false);
    });
    notifiers_.push_back(n);
  }
}

int AlsaMixerElement::elementEvent(snd_mixer_elem_t* element, unsigned int mask) {
  auto* me = static_cast<AlsaMixerElement*>(snd_mixer_elem_get_callback_private(element));
  if (!me) return 0;
  if (mask == SND_CTL_EVENT_MASK_REMOVE) {
    me->element_ = nullptr;
    return 0;
  }
  if ((mask & SND_CTL_EVENT_MASK_VALUE) && me->callback_) me->callback_();
  return 0;
}

bool AlsaMixerElement::readChannel(int channel, long& value) const {
  if (!element_ || channel < 0 || channel >= channelCount()) return false;
  const auto ch = channels_[static_cast<size_t>(channel)];
  const int r = direction_ == Direction::Playback ? snd_mixer_selem_get_playback_volume(element_, ch, &value)
                                                  : snd_mixer_selem_get_capture_volume(element_, ch, &value);
  return r >= 0;
}

bool AlsaMixerElement::writeChannel(int channel, long value) {
  if (!element_ || channel < 0 || channel >= channelCount()) return false;
  const auto ch = channels_[static_cast<size_t>(channel)];
  const int r = direction_ == Direction::Playback ? snd_mixer_selem_set_playback_volume(element_, ch, value)
                                                  : snd_mixer_selem_set_capture_volume(element_, ch, value);
  return r >= 0;
}

void AlsaMixerElement::setSwitch(bool on) {
  if (!element_) return;
  // ALSA's switch is "sound on": the unmuted state.
  if (direction_ == Direction::Playback) {
    if (snd_mixer_selem_has_playback_switch(element_)) snd_mixer_selem_set_playback_switch_all(element_, on ? 1 : 0);
  } else if (snd_mixer_selem_has_capture_switch(element_)) {
    snd_mixer_selem_set_capture_switch_all(element_, on ? 1 : 0);
  }
}

void AlsaMixerElement::selectRecordSource() {
  if (!mixer_ || sourceItem_ < 0) return;
  if (snd_mixer_elem_t* source = findRecordSourceSwitch(mixer_)) selectEnumItem(source, static_cast<unsigned>(sourceItem_));
}

std::string AlsaMixerElement::name() const { return element_ ? snd_mixer_selem_get_name(element_) : ""; }

}  // namespace velmora
