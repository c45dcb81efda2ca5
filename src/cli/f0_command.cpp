// velmora-cli f0 FILE.wav: the recording's F0 track as the view computes it (10-second
// pieces, 60..1400 Hz, 90 values per second), one "time,f0" line per value. Stereo files are
// mixed to one channel; any rate the tracker accepts is analysed as it is.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>

#include "analysis/f0_track.h"
#include "audio/stereo_reduction.h"
#include "cli/analysis_input.h"
#include "cli/command_registry.h"

namespace velmora::cli {
namespace {

constexpr unsigned kLowestTrackedRate = 4000;

int runF0(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: velmora-cli f0 FILE.wav\n";
    return 1;
  }
  auto input = readMonoForAnalysis(args[0], kLowestTrackedRate, "too low for F0 analysis");
  if (const int* status = std::get_if<int>(&input)) return *status;
  MonoSignal signal = std::move(std::get<MonoSignal>(input));

  F0Track track;
  track.compute(signal.samples.data(), signal.samples.size(), static_cast<int>(signal.rateHz));
  signal.samples = {};
  for (const std::string& line : track.diagnostics()) std::cerr << line << '\n';
  if (track.count() == 0) {
    std::cerr << "error: no F0 values could be computed\n";
    return 2;
  }

  std::string out = "time,f0\n";
  out.reserve(out.size() + track.count() * 24);
  for (size_t i = 0; i < track.count(); ++i) {
    appendFixed(out, static_cast<double>(i) / kF0FramesPerSecond, 6);
    out += ',';
    appendFixed(out, track.values()[i], 2);
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) {
    std::cerr << "error: cannot write the F0 values\n";
    return 2;
  }
  return 0;
}

const CommandRegistrar reg("f0", "f0 FILE.wav               F0 track as time,f0 lines (90 per second)", runF0,
                           "Output: the header line time,f0, then one line per frame, 90 frames per second:\n"
                           "  time   the frame's time in seconds\n"
                           "  f0     the fundamental frequency in Hz\n");

}  // namespace
}  // namespace velmora::cli
