#pragma once
// The real volumes: the sound server's default sink when a server answers, and the ALSA
// mixer of the "default" device. Mixer elements used: "Master" for the master output,
// "PCM" (or "Wave") for the wave output, and for the record input the element of the chosen
// source ("Mic" / "Line") when the card has a record-source switch and that source has its
// own capture volume, else "Capture". Through the ALSA pulse plugin "Master" and "Capture"
// are the server's default sink and source. The record input on a server is its source (or
// the default source's port) that says "mic" or "line"; on a card, the switch's item.
#include "audio/volume_set.h"

namespace velmora {

class SystemVolumeDevices : public VolumeDevices {
 public:
  bool soundServerAnswers() override;
  std::unique_ptr<VolumeControl> openServerMaster() override;
  std::unique_ptr<VolumeControl> openMixerMaster() override;
  std::unique_ptr<VolumeControl> openMixerWave() override;
  bool playbackMixerListed() override;
  std::optional<int> findRecordSource(int inputChoice) override;
  std::unique_ptr<VolumeControl> openMixerInput(int sourceIndex, int inputChoice) override;
  std::optional<std::string> selectRecordInput(int inputChoice) override;
  std::string recordDeviceName() override;
};

// Starts the desktop's own volume program (pavucontrol) when it is installed.
bool startDesktopVolumeProgram();

}  // namespace velmora
