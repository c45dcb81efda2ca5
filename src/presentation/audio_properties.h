#pragma once
// What the "Properties" dialog shows of the open recording: its file, its rate and its
// length in seconds. A client's numbered recording is named from the working folder, the
// client's folder and the number ("qv" at 44100 Hz, "wv" otherwise); a file opened by path
// ("Other Files") shows that path.
#include <cstdint>
#include <filesystem>
#include <string>

namespace velmora {

struct AudioPropertiesInput {
  std::filesystem::path workingFolder;
  int clientCode = 0;
  int recordingNumber = 0;
  std::filesystem::path openPath;
  int64_t sampleCount = 0;
  uint32_t sampleRate = 0;
};

struct AudioProperties {
  std::string path;
  std::string rate;     // "44100"
  std::string seconds;  // "1,50": two decimals with the view's decimal comma
};

AudioProperties audioProperties(const AudioPropertiesInput& in);

}  // namespace velmora
