// velmora-cli formants FILE.wav: the recording's formant track as the view computes it,
// one "time,f1,f2,f3,f4" line per 10 ms frame (time = frame start in seconds). Stereo files
// are mixed to one channel.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>

#include "analysis/formant_resample.h"
#include "analysis/formant_track.h"
#include "audio/stereo_reduction.h"
#include "audio/wav_reader.h"
#include "cli/command_registry.h"
#include "cli/read_error.h"

namespace velmora::cli {
namespace {

// Fixed decimals with '.' whatever the environment's locale says.
void appendFixed(std::string& line, double value, int decimals) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  line.append(text, result.ptr);
}

int runFormants(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: velmora-cli formants FILE.wav\n";
    return 1;
  }
  WavData wav = readWav(args[0]);
  if (wav.code != WavOk) return reportReadError(wav.code);
  const WaveFormat& format = wav.format;
  if (format.formatTag != kFormatPcm || format.bitsPerSample != 16 || format.channels < 1 || format.channels > 2) {
    std::cerr << "error: only 16-bit PCM files with one or two channels can be analysed\n";
    return 2;
  }
  if (format.samplesPerSecond < static_cast<unsigned>(formant::kAnalysisRateHz)) {
    std::cerr << "error: the sample rate " << format.samplesPerSecond
              << " Hz is below the 10000 Hz that formant analysis needs\n";
    return 2;
  }
  std::vector<int16_t> mono;
  if (format.channels == 2) {
    mono = reduceStereo(wav.samples, StereoChoice::Mix);
  } else {
    mono = std::move(wav.samples);
  }
  wav.samples = {};

  FormantTrack track;
  if (track.compute(mono.data(), mono.size(), static_cast<int>(format.samplesPerSecond)) < 0) {
    std::cerr << "error: " << track.errorText() << "\n";
    return 2;
  }
  mono = {};

  std::string out = "time,f1,f2,f3,f4\n";
  out.reserve(out.size() + track.frames().size() * 44);
  for (const FormantFrame& f : track.frames()) {
    appendFixed(out, static_cast<double>(f.startSample) / formant::kAnalysisRateHz, 6);
    for (float hz : {f.f1Hz, f.f2Hz, f.f3Hz, f.f4Hz}) {
      out += ',';
      appendFixed(out, hz, 1);
    }
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) {
    std::cerr << "error: cannot write the formant values\n";
    return 2;
  }
  return 0;
}

const CommandRegistrar reg("formants", "formants FILE.wav         formant track as time,f1,f2,f3,f4 lines (100 per second)",
                           runFormants);

}  // namespace
}  // namespace velmora::cli
