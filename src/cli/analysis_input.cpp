#include "cli/analysis_input.h"

#include <charconv>
#include <iostream>

#include "audio/stereo_reduction.h"
#include "audio/wav_reader.h"
#include "cli/read_error.h"

namespace velmora::cli {

std::variant<MonoSignal, int> readMonoForAnalysis(const std::string& path, uint32_t minimumRateHz,
                                                  const std::string& whyRateTooLow) {
  WavData wav = readWav(path);
  if (wav.code != WavOk) return reportReadError(wav.code);
  const WaveFormat& format = wav.format;
  if (format.formatTag != kFormatPcm || format.bitsPerSample != 16 || format.channels < 1 || format.channels > 2 ||
      format.samplesPerSecond == 0) {
    std::cerr << "error: only 16-bit PCM files with one or two channels can be analysed\n";
    return 2;
  }
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
