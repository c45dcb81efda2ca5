#pragma once
// The raw side of one sound-card mixer control, as the platform's mixer offers it: a range,
// per-channel values, the line's on/off switch and the record-source selection. MixerVolume
// puts the volume rules on top, so the rules are tested with a fake element.
#include <functional>

namespace velmora {

class MixerElement {
 public:
  virtual ~MixerElement() = default;
  // The mixer opened and the control exists.
  virtual bool found() const = 0;
  virtual long minimum() const = 0;
  virtual long maximum() const = 0;
  virtual int channelCount() const = 0;
  // false when the channel cannot be read or written.
  virtual bool readChannel(int channel, long& value) const = 0;
  virtual bool writeChannel(int channel, long value) = 0;
  // Unmutes (on) or mutes the line; for a record control, switches capture on.
  virtual void setSwitch(bool on) = 0;
  // Makes this element's source the card's record source (nothing where there is no choice).
  virtual void selectRecordSource() = 0;
  // Called on the UI thread after the control changed.
  virtual void setChangeCallback(std::function<void()> callback) = 0;
};

}  // namespace velmora
