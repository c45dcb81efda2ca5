#pragma once
// A volume on one mixer element: the master output, the wave output or the record input.
// The master reads its first channel, or the second when the first is at 0 (a line turned
// fully to one side), and with a balance of left or right sets only that half of the
// channels, the other half to 0. Values outside the element's range are ignored.
#include <memory>

#include "audio/mixer_element.h"
#include "audio/volume_control.h"

namespace velmora {

enum class MixerRole { Master, Wave, Input };
enum class MixerBalance { Both = 0, Left = 1, Right = 2 };

class MixerVolume : public VolumeControl {
 public:
  MixerVolume(MixerRole role, std::unique_ptr<MixerElement> element);

  bool isValid() const override;
  void enable() override;
  void disable() override;
  int steps() const override;
  int minimum() const override;
  int maximum() const override;
  int value() const override;
  void setValue(int value) override;
  void setChangeHandler(ChangeHandler handler) override;

  void setBalance(MixerBalance balance) { balance_ = balance; }
  MixerRole role() const { return role_; }

 private:
  MixerRole role_;
  std::unique_ptr<MixerElement> element_;
  MixerBalance balance_ = MixerBalance::Both;
  ChangeHandler handler_;
};

}  // namespace velmora
