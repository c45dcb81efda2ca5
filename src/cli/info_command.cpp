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
  // Only the header is read: the sample count follows from the data chunk's size.
  const WavHeader header = readWavHeader(args[0]);
  if (header.code != WavOk) return reportReadError(header.code);
  const WaveFormat& f = header.format;
  const uint64_t frameBytes = f.blockAlign ? f.blockAlign : uint64_t{2} * f.channels;
  const uint64_t samples = frameBytes ? header.dataBytes / frameBytes : 0;
  const double seconds = f.samplesPerSecond ? static_cast<double>(samples) / f.samplesPerSecond : 0.0;
  std::printf("rate: %u\nchannels: %u\nbits: %u\nsamples: %llu\nduration: %.6f\n", f.samplesPerSecond, f.channels,
              f.bitsPerSample, static_cast<unsigned long long>(samples), seconds);
  return 0;
}

const CommandRegistrar reg("info", "info FILE                 format, sample count and duration of a WAV file", runInfo,
                           "Output: five lines: rate: (Hz), channels:, bits:, samples: (per channel)\n"
                           "and duration: (seconds).\n");

}  // namespace
}  // namespace velmora::cli
