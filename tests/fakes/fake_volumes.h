#pragma once
// A fake mixer element and fake volume devices: the volume rules and the start-up steps
// without a sound card.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "audio/mixer_element.h"
#include "audio/volume_set.h"

namespace velmora::testing {

class FakeMixerElement : public MixerElement {
 public:
  struct State {
    bool found = true;
    long minimum = 0;
    long maximum = 65535;
    std::vector<long> channels = {0, 0};
    int writes = 0;
    int switchedOn = -1;  // -1: never switched
    int sourceSelections = 0;
    std::function<void()> callback;
  };
  explicit FakeMixerElement(State& state) : s_(state) {}
  bool found() const override { return s_.found; }
  long minimum() const override { return s_.minimum; }
  long maximum() const override { return s_.maximum; }
  int channelCount() const override { return static_cast<int>(s_.channels.size()); }
  bool readChannel(int c, long& v) const override;
  bool writeChannel(int c, long v) override;
  void setSwitch(bool on) override { s_.switchedOn = on ? 1 : 0; }
  void selectRecordSource() override { ++s_.sourceSelections; }
  void setChangeCallback(std::function<void()> cb) override { s_.callback = std::move(cb); }

 private:
  State& s_;
};

// Opens MixerVolumes over fake elements whose states the test holds.
class FakeVolumeDevices : public VolumeDevices {
 public:
  bool serverAnswers = false;
  bool mixerListed = true;
  std::map<int, int> sources = {{0, 0}, {1, 1}};  // input choice -> source index
  FakeMixerElement::State master, wave, input;
  std::string deviceName;
  std::vector<int> inputsOpened;  // the input choices an input was opened for
  std::set<int> selectableInputs = {0, 1};  // the kinds the takes can be switched to
  std::vector<int> inputsSelected;          // the kinds they were switched to, in order

  bool soundServerAnswers() override { return serverAnswers; }
  std::unique_ptr<VolumeControl> openServerMaster() override;
  std::unique_ptr<VolumeControl> openMixerMaster() override;
  std::unique_ptr<VolumeControl> openMixerWave() override;
  bool playbackMixerListed() override { return mixerListed; }
  std::optional<int> findRecordSource(int inputChoice) override;
  std::unique_ptr<VolumeControl> openMixerInput(int sourceIndex, int inputChoice) override;
  std::optional<std::string> selectRecordInput(int inputChoice) override;
  std::string recordDeviceName() override { return deviceName; }
};

}  // namespace velmora::testing
