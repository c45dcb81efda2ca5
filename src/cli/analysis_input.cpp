#include "cli/analysis_input.h"

#include <charconv>
#include <iostream>

#include "audio/stereo_reduction.h"
#include "cli/read_error.h"

namespace velmora::cli {

std::variant<MonoSignal, int> readMonoForAnalysis(const std::string& path, uint32_t minimumRateHz,
                                                  const std::string& whyRateTooLow) {
  int status = 0;
  std::optional<WavData> read = readCheckedWav(path, status);
  if (!read) return status;
  WavData& wav = *read;
  const WaveFormat& format = wav.format;
  if (format.samplesPerSecond < minimumRateHz) {
    std::cerr << "error: the sample rate " << format.samplesPerSecond << " Hz is " << whyRateTooLow << "\n";
    return 2;
  }
  MonoSignal signal;
  signal.rateHz = format.samplesPerSecond;
  // Only one copy of the recording is kept.
  signal.samples = format.channels == 2 ? reduceStereo(wav.samples, StereoChoice::Mix) : std::move(wav.samples);
  return signal;
}

void appendFixed(std::string& line, double value, int decimals) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  line.append(text, result.ptr);
}

}  // namespace velmora::cli
