#pragma once
// One control of the ALSA simple mixer on the "default" device (a sound card, or the sound
// server through the ALSA pulse plugin). Change events come through the mixer's poll
// descriptors on the UI thread's event loop.
#include <alsa/asoundlib.h>

#include <QObject>
#include <string>
#include <vector>

#include "audio/mixer_element.h"

class QSocketNotifier;

namespace velmora {

class AlsaMixer;

class AlsaMixerElement : public QObject, public MixerElement {
  Q_OBJECT
 public:
  enum class Direction { Playback, Capture };
  // The first of `names` that has a volume in `direction`. For a record control,
  // `sourceItem` >= 0 is the item of the card's record-source switch to select.
  AlsaMixerElement(const std::vector<std::string>& names, Direction direction, int sourceItem = -1);
  ~AlsaMixerElement() override;

  bool found() const override { return element_ != nullptr; }
  long minimum() const override { return minimum_; }
  long maximum() const override { return maximum_; }
  int channelCount() const override { return static_cast<int>(channels_.size()); }
  bool readChannel(int channel, long& value) const override;
  bool writeChannel(int channel, long value) override;
  void setSwitch(bool on) override;
  void selectRecordSource() override;
  void setChangeCallback(std::function<void()> callback) override { callback_ = std::move(callback); }

  // The mixer element's name ("" when none was found).
  std::string name() const;

 private:
  static int elementEvent(snd_mixer_elem_t* element, unsigned int mask);
  void watchEvents();

  snd_mixer_t* mixer_ = nullptr;
  snd_mixer_elem_t* element_ = nullptr;
  Direction direction_;
  int sourceItem_;
  long minimum_ = 0;
  long maximum_ = 0;
  std::vector<snd_mixer_selem_channel_id_t> channels_;
  std::vector<QSocketNotifier*> notifiers_;
  std::function<void()> callback_;
};

// The default mixer, opened and loaded; null on failure. Close with snd_mixer_close.
snd_mixer_t* openDefaultMixer();
// The card's record-source switch (an enumerated capture element); null when it has none.
snd_mixer_elem_t* findRecordSourceSwitch(snd_mixer_t* mixer);
// Sets every channel of an enumerated element to item `index`.
void selectEnumItem(snd_mixer_elem_t* element, unsigned index);
// The name of item `index` of an enumerated element.
std::string enumItemName(snd_mixer_elem_t* element, unsigned index);

}  // namespace velmora
