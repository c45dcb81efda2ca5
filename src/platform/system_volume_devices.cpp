#include "platform/system_volume_devices.h"

#include <QProcess>
#include <QStandardPaths>

#include "audio/mixer_volume.h"
#include "platform/alsa_mixer_element.h"
#include "platform/pulse_endpoint_volume.h"
#include "platform/pulse_sources.h"

namespace velmora {
namespace {

// The words a card's record-source items use for a microphone and a line input.
const char* sourceWord(int inputChoice) { return inputChoice == 1 ? "Line" : "Mic"; }

struct MixerHandle {
  snd_mixer_t* mixer = openDefaultMixer();
  ~MixerHandle() {
    if (mixer) snd_mixer_close(mixer);
  }
};

}  // namespace

bool SystemVolumeDevices::soundServerAnswers() { return PulseEndpointVolume::serverAnswers(); }

std::unique_ptr<VolumeControl> SystemVolumeDevices::openServerMaster() {
  return std::make_unique<PulseEndpointVolume>();
}

std::unique_ptr<VolumeControl> SystemVolumeDevices::openMixerMaster() {
  return std::make_unique<MixerVolume>(
      MixerRole::Master, std::make_unique<AlsaMixerElement>(std::vector<std::string>{"Master"},
                                                            AlsaMixerElement::Direction::Playback));
}

std::unique_ptr<VolumeControl> SystemVolumeDevices::openMixerWave() {
  return std::make_unique<MixerVolume>(
      MixerRole::Wave, std::make_unique<AlsaMixerElement>(std::vector<std::string>{"PCM", "Wave"},
                                                          AlsaMixerElement::Direction::Playback));
}

bool SystemVolumeDevices::playbackMixerListed() {
  MixerHandle h;
  return h.mixer && snd_mixer_first_elem(h.mixer) != nullptr;
}

std::optional<int> SystemVolumeDevices::findRecordSource(int inputChoice) {
  if (inputChoice != 0 && inputChoice != 1) return std::nullopt;
  MixerHandle h;
  if (!h.mixer) return std::nullopt;
  if (snd_mixer_elem_t* source = findRecordSourceSwitch(h.mixer)) {
    const int items = snd_mixer_selem_get_enum_items(source);
    for (int i = 0; i < items; ++i)
      if (enumItemName(source, static_cast<unsigned>(i)).find(sourceWord(inputChoice)) != std::string::npos) return i;
    return std::nullopt;
  }
  // No switch (the sound server's capture): one record control serves either input.
  for (snd_mixer_elem_t* e = snd_mixer_first_elem(h.mixer); e; e = snd_mixer_elem_next(e))
    if (snd_mixer_selem_has_capture_volume(e)) return -1;
  return std::nullopt;
}

std::unique_ptr<VolumeControl> SystemVolumeDevices::openMixerInput(int sourceIndex, int inputChoice) {
  std::vector<std::string> names;
  if (sourceIndex >= 0) {
    MixerHandle h;
    if (snd_mixer_elem_t* source = h.mixer ? findRecordSourceSwitch(h.mixer) : nullptr)
      names.push_back(enumItemName(source, static_cast<unsigned>(sourceIndex)));
  }
  names.emplace_back(sourceWord(inputChoice));
  names.emplace_back("Capture");
  return std::make_unique<MixerVolume>(
      MixerRole::Input,
      std::make_unique<AlsaMixerElement>(names, AlsaMixerElement::Direction::Capture, sourceIndex));
}

std::optional<std::string> SystemVolumeDevices::selectRecordInput(int inputChoice) {
  if (const std::optional<ServerSources> server = listServerSources()) {
    const std::optional<RecordInputPick> pick = pickRecordInput(server->sources, server->defaultSource, inputChoice);
    if (!pick) return std::nullopt;
    // Refused (another client holds the card): the take still records from the pick.
    useServerSource(*pick, server->defaultSource);
    return pick->source;
  }
  const std::optional<int> item = findRecordSource(inputChoice);
  if (!item) return std::nullopt;
  if (*item >= 0) {
    MixerHandle h;
    if (snd_mixer_elem_t* source = h.mixer ? findRecordSourceSwitch(h.mixer) : nullptr)
      selectEnumItem(source, static_cast<unsigned>(*item));
  }
  return std::string();
}

std::string SystemVolumeDevices::recordDeviceName() { return PulseEndpointVolume::defaultSourceDescription(); }

bool startDesktopVolumeProgram() {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("pavucontrol"));
  return !program.isEmpty() && QProcess::startDetached(program, {});
}

}  // namespace velmora
