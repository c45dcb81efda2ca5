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
#include "cli/analysis_input.h"
#include "cli/command_registry.h"
#include "cli/read_error.h"

namespace velmora::cli {
namespace {

int runFormants(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: velmora-cli formants FILE.wav\n";
    return 1;
  }
  auto input = readMonoForAnalysis(args[0], static_cast<uint32_t>(formant::kAnalysisRateHz),
                                   "below the 10000 Hz that formant analysis needs");
  if (const int* status = std::get_if<int>(&input)) return *status;
  MonoSignal signal = std::move(std::get<MonoSignal>(input));

  FormantTrack track;
  if (track.compute(signal.samples.data(), signal.samples.size(), static_cast<int>(signal.rateHz)) < 0) {
    // The engine's own text is a bare "ERROR"; its only failure is running out of memory.
    std::cerr << "error: not enough memory for the formant analysis (" << track.errorText() << ")\n";
    return 2;
  }
  signal.samples = {};

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
                           runFormants,
                           "Output: the header line time,f1,f2,f3,f4, then one line per frame, 100 frames per second:\n"
                           "  time         the frame's start in seconds\n"
                           "  f1 .. f4     the first four formant frequencies in Hz\n");

}  // namespace
}  // namespace velmora::cli
