// velmora-cli info FILE: the format of a WAV file as the reader sees it.
#include <cstdio>
#include <iostream>

#include "audio/wav_reader.h"
#include "cli/command_registry.h"
#include "cli/read_error.h"

namespace velmora::cli {
namespace {

int runInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: velmora-cli info FILE\n";
    return 1;
  }
  WavData wav = readWav(args[0]);
  if (wav.code != WavOk) return reportReadError(wav.code);
  const WaveFormat& f = wav.format;
  const size_t perChannel = f.channels ? wav.samples.size() / f.channels : 0;
  // 16-bit values were read; for other sample sizes count by the block align instead.
  const size_t bytes = wav.samples.size() * 2;
  const size_t samples = f.blockAlign ? bytes / f.blockAlign : perChannel;
  const double seconds = f.samplesPerSecond ? static_cast<double>(samples) / f.samplesPerSecond : 0.0;
  std::printf("rate: %u\nchannels: %u\nbits: %u\nsamples: %zu\nduration: %.6f\n", f.samplesPerSecond, f.channels,
              f.bitsPerSample, samples, seconds);
  return 0;
}

const CommandRegistrar reg("info", "info FILE                 format, sample count and duration of a WAV file", runInfo,
                           "Output: five lines: rate: (Hz), channels:, bits:, samples: (per channel)\n"
                           "and duration: (seconds).\n");

}  // namespace
}  // namespace velmora::cli
