#pragma once
// The volumes of the run and the start-up steps that open them.
//
// Start-up (createVolumes): when a sound server answers, the server's default-sink volume
// is the playback master and no wave volume is opened; otherwise the mixer's master and
// wave outputs, each enabled, with question msg::AskAudioChannelBusy when one cannot be opened (asked once; No
// ends the set-up, the program starts all the same). Then the record input for the chosen
// input (0 microphone, 1 line): none of that kind, no input; one that cannot be opened asks
// msg::AskMicInputMissing (No ends the set-up). The input is re-opened when the choice changes
// (changeRecordInput) and that kind is selected for the takes, with msg::InputNotDefined when
// the playback mixer cannot be looked at or the kind is not there.
#include <memory>
#include <optional>
#include <string>

#include "audio/volume_control.h"
#include "core/interaction.h"

namespace velmora {

// What the platform opens; the start-up steps only decide when to ask what.
class VolumeDevices {
 public:
  virtual ~VolumeDevices() = default;
  // A sound server (PulseAudio or PipeWire) answers: its default sink is the master.
  virtual bool soundServerAnswers() = 0;
  virtual std::unique_ptr<VolumeControl> openServerMaster() = 0;
  virtual std::unique_ptr<VolumeControl> openMixerMaster() = 0;
  virtual std::unique_ptr<VolumeControl> openMixerWave() = 0;
  // The playback mixer's lines can be listed.
  virtual bool playbackMixerListed() = 0;
  // The record source of this kind (0 microphone, 1 line); none for another kind or when
  // the card offers no such source.
  virtual std::optional<int> findRecordSource(int inputChoice) = 0;
  virtual std::unique_ptr<VolumeControl> openMixerInput(int sourceIndex, int inputChoice) = 0;
  // Makes the input of this kind (0 microphone, 1 line) the one takes record from: the
  // sound server's source and port, or the card's record-source switch. Gives the server's
  // source to record from ("" = the default input); nothing when there is no such input.
  virtual std::optional<std::string> selectRecordInput(int inputChoice) = 0;
  // The record device's name ("" when unknown).
  virtual std::string recordDeviceName() = 0;
};

struct VolumeSet {
  std::unique_ptr<VolumeControl> master;  // server master or mixer master
  std::unique_ptr<VolumeControl> wave;    // mixer wave output (no sound server only)
  std::unique_ptr<VolumeControl> input;   // record input
  bool serverMaster = false;              // master is the sound server's default sink

  bool hasOutput() const { return master != nullptr; }
  // The Volume command shows the dialog only with an output and an input.
  bool dialogPossible() const { return master && input; }
};

// The start-up steps; fills `set`.
void createVolumes(VolumeSet& set, VolumeDevices& devices, int inputChoice, Interaction& ui);
// After the record input choice changed; replaces set.input (null when none).
void changeRecordInput(VolumeSet& set, VolumeDevices& devices, int inputChoice, Interaction& ui);

}  // namespace velmora
