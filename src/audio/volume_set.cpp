#include "audio/volume_set.h"

#include "core/message_ids.h"

namespace velmora {
namespace {

// The one audio interface whose record input starts fully open.
constexpr const char* kFullInputDeviceName = "Zentrola";

std::unique_ptr<VolumeControl> keepIfValid(std::unique_ptr<VolumeControl> v) {
  return v && v->isValid() ? std::move(v) : nullptr;
}

// Opens the input of the chosen kind; false when the user chose to stop.
bool openInput(VolumeSet& set, VolumeDevices& devices, int inputChoice, Interaction& ui) {
  set.input.reset();
  const std::optional<int> source = devices.findRecordSource(inputChoice);
  if (!source) return true;
  set.input = keepIfValid(devices.openMixerInput(*source, inputChoice));
  if (!set.input) return askYesNo(ui, msg::AskMicInputMissing);
  return true;
}

}  // namespace

void createVolumes(VolumeSet& set, VolumeDevices& devices, int inputChoice, Interaction& ui) {
  set = VolumeSet{};
  if (devices.soundServerAnswers()) {
    // The server's volume is the master; its failures are not asked about.
    set.serverMaster = true;
    set.master = keepIfValid(devices.openServerMaster());
  } else {
    bool answeredYes = false;
    set.master = keepIfValid(devices.openMixerMaster());
    if (!set.master) {
      if (!askYesNo(ui, msg::AskAudioChannelBusy)) return;
      answeredYes = true;
    } else {
      set.master->enable();
    }
    set.wave = keepIfValid(devices.openMixerWave());
    if (!set.wave) {
      if (!answeredYes && !askYesNo(ui, msg::AskAudioChannelBusy)) return;
    } else {
      set.wave->enable();
    }
  }
  if (!openInput(set, devices, inputChoice, ui) || !set.input) return;
  if (devices.recordDeviceName().find(kFullInputDeviceName) != std::string::npos)
    set.input->setValue(set.input->maximum());
}

void changeRecordInput(VolumeSet& set, VolumeDevices& devices, int inputChoice, Interaction& ui) {
  if (!devices.playbackMixerListed()) {
    set.input.reset();
    showMessage(ui, msg::InputNotDefined);
    return;
  }
  // Without an input of that kind the takes go on recording from the one in use. Another
  // choice value (a damaged cfr.dat) names no input and is not told.
  const bool known = inputChoice == 0 || inputChoice == 1;
  if (known && !devices.selectRecordInput(inputChoice)) showMessage(ui, msg::InputNotDefined);
  openInput(set, devices, inputChoice, ui);
}

}  // namespace velmora
