#include "fakes/fake_volumes.h"

#include "audio/mixer_volume.h"

namespace velmora::testing {

bool FakeMixerElement::readChannel(int c, long& v) const {
  if (c < 0 || c >= channelCount()) return false;
  v = s_.channels[static_cast<size_t>(c)];
  return true;
}

bool FakeMixerElement::writeChannel(int c, long v) {
  if (c < 0 || c >= channelCount()) return false;
  ++s_.writes;
  s_.channels[static_cast<size_t>(c)] = v;
  return true;
}

// The server master of the fakes is a mixer master on the `master` state.
std::unique_ptr<VolumeControl> FakeVolumeDevices::openServerMaster() { return openMixerMaster(); }

std::unique_ptr<VolumeControl> FakeVolumeDevices::openMixerMaster() {
  return std::make_unique<MixerVolume>(MixerRole::Master, std::make_unique<FakeMixerElement>(master));
}

std::unique_ptr<VolumeControl> FakeVolumeDevices::openMixerWave() {
  return std::make_unique<MixerVolume>(MixerRole::Wave, std::make_unique<FakeMixerElement>(wave));
}

std::optional<int> FakeVolumeDevices::findRecordSource(int inputChoice) {
  const auto it = sources.find(inputChoice);
  if (it == sources.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> FakeVolumeDevices::selectRecordInput(int inputChoice) {
  if (!selectableInputs.count(inputChoice)) return std::nullopt;
  inputsSelected.push_back(inputChoice);
  return "fake-input-" + std::to_string(inputChoice);
}

std::unique_ptr<VolumeControl> FakeVolumeDevices::openMixerInput(int, int inputChoice) {
  inputsOpened.push_back(inputChoice);
  return std::make_unique<MixerVolume>(MixerRole::Input, std::make_unique<FakeMixerElement>(input));
}

}  // namespace velmora::testing
