#include "audio/recording_opener.h"

#include "audio/stereo_reduction.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

bool isSupportedRate(uint32_t rate) { return rate == 11025 || rate == 22050 || rate == 44100; }

ChoiceRequest stereoChoiceRequest() {
  ChoiceRequest r;
  r.title = tr(str::OpenFileTitle);
  r.prompt = tr(str::StereoFilePrompt);
  r.options = {tr(str::OnlyLeftChannelOption), tr(str::OnlyRightChannelOption), tr(str::MixChannelsOption)};
  r.initial = 0;
  r.acceptText = tr(str::OpenButton);
  r.cancelText = tr(str::CancelButton);
  return r;
}

bool openNumberedRecording(SoundBuffer& buffer, const std::filesystem::path& path, int number, Interaction& ui) {
  return acceptNumberedRecording(buffer, readWav(path), path, number, ui);
}

bool acceptNumberedRecording(SoundBuffer& buffer, WavData&& read, const std::filesystem::path& path, int number,
                             Interaction& ui) {
  if (read.code != WavOk || read.samples.empty()) {
    showMessage(ui, msg::ErrorReadingFile);
    return false;
  }
  buffer.samples = std::move(read.samples);
  buffer.format = std::move(read.format);
  buffer.path = path;
  buffer.recordingNumber = number;
  buffer.wasStereo = false;
  buffer.modified = false;
  buffer.showAll();
  return true;
}

bool openRecordingByPath(SoundBuffer& buffer, const std::filesystem::path& path, Interaction& ui) {
  return acceptRecordingByPath(buffer, readWav(path), path, ui);
}

bool acceptRecordingByPath(SoundBuffer& buffer, WavData&& read, const std::filesystem::path& path, Interaction& ui) {
  buffer.clear();
  buffer.recordingNumber = kNoRecordingNumber;
  buffer.path = path;
  if (read.code != WavOk || read.samples.empty()) return false;
  SoundBuffer loaded;
  loaded.samples = std::move(read.samples);
  loaded.format = std::move(read.format);

  if (!isSupportedRate(loaded.format.samplesPerSecond)) {
    showMessage(ui, msg::RateNotSupported);
    return false;
  }
  if (loaded.format.bitsPerSample != 16) {
    showMessage(ui, msg::Not16Bits);
    return false;
  }
  bool wasStereo = false;
  if (loaded.format.channels == 2) {
    int choice = ui.chooseOption(stereoChoiceRequest());
    if (choice < 0 || choice > 2) {
      showMessage(ui, msg::FileNotOpened);
      return false;
    }
    loaded.samples = reduceStereo(loaded.samples, static_cast<StereoChoice>(choice));
    loaded.format = monoFormatOf(loaded.format);
    wasStereo = true;
    if (loaded.samples.empty()) return false;
  } else if (loaded.format.channels != 1) {
    // More than two channels cannot be shown as one signal.
    showMessage(ui, msg::FileNotOpened);
    return false;
  }
  buffer.samples = std::move(loaded.samples);
  buffer.format = std::move(loaded.format);
  buffer.wasStereo = wasStereo;
  buffer.modified = false;
  buffer.showAll();
  return true;
}

}  // namespace velmora
