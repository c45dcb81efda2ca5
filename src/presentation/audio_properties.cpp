#include "presentation/audio_properties.h"

#include "clients/recording_names.h"
#include "presentation/number_text.h"

namespace velmora {

AudioProperties audioProperties(const AudioPropertiesInput& in) {
  AudioProperties p;
  if (in.clientCode == kOtherFilesCode || in.recordingNumber <= 0) {
    p.path = in.openPath.string();
  } else {
    p.path = recordingPath(in.workingFolder, in.clientCode, in.recordingNumber, prefixForRate(in.sampleRate)).string();
  }
  p.rate = std::to_string(in.sampleRate);
  const double seconds = in.sampleRate > 0 ? static_cast<double>(in.sampleCount) / in.sampleRate : 0.0;
  p.seconds = viewNumber("%.2f", seconds);
  return p;
}

}  // namespace velmora
