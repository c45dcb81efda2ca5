// velmora-cli ltas FILE.wav [--fft 512] [--rect]
// The long-term average spectrum of the whole file as the power-spectrum view computes it:
// a "frequency,level" header, then one line per bin 0 .. N/2 - 1 with the bin's frequency
// in Hz (one decimal) and its level in dB (two decimals). --rect turns the Hamming window
// off. Stereo files are mixed to one channel. A file shorter than one FFT frame is refused
// (status 2).
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>

#include "analysis/power_spectrum.h"
#include "audio/stereo_reduction.h"
#include "cli/analysis_input.h"
#include "cli/command_registry.h"

namespace velmora::cli {
namespace {

int usage() {
  std::cerr << "usage: velmora-cli ltas FILE.wav [--fft 256|512|1024|2048] [--rect]\n";
  return 1;
}

int runLtas(const std::vector<std::string>& args) {
  std::string input;
  int fftSize = kPowerSpectrumDefaultFftSize;
  bool rectangular = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--rect") {
      rectangular = true;
    } else if (args[i] == "--fft") {
      if (i + 1 >= args.size()) return usage();
      const std::string& v = args[++i];
      const auto r = std::from_chars(v.data(), v.data() + v.size(), fftSize);
      if (r.ec != std::errc() || r.ptr != v.data() + v.size()) return usage();
    } else if (args[i].rfind("--", 0) == 0 || !input.empty()) {
      return usage();
    } else {
      input = args[i];
    }
  }
  if (input.empty()) return usage();
  PowerSpectrum spectrum;
  if (!spectrum.setFftSize(fftSize)) {
    std::cerr << "error: the FFT size must be a power of two from 4 to " << kPowerSpectrumMaxFftSize << "\n";
    return 1;
  }
  spectrum.setWindowOn(!rectangular);

  auto read = readMonoForAnalysis(input);
  if (const int* status = std::get_if<int>(&read)) return *status;
  const MonoSignal& signal = std::get<MonoSignal>(read);
  const std::vector<int16_t>& mono = signal.samples;
  // A file shorter than one frame measures nothing: levels of 0 dB would read as a result.
  if (spectrum.compute(mono.data(), static_cast<int64_t>(mono.size())) == 0) {
    std::cerr << "error: the recording holds " << mono.size() << " samples, fewer than one " << fftSize
              << "-sample analysis frame; no spectrum could be computed\n";
    return 2;
  }
  const int bins = spectrum.fftSize() / 2;

  const double rate = signal.rateHz;
  std::string out = "frequency,level\n";
  for (int b = 0; b < bins; ++b) {
    appendFixed(out, b * rate / fftSize, 1);
    out += ',';
    appendFixed(out, spectrum.current()[b], 2);
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 3;
}

const CommandRegistrar reg("ltas", "ltas FILE [--fft N] [--rect]  long-term average spectrum, frequency,level per bin",
                           runLtas,
                           "Options:\n"
                           "  --fft N    FFT size, a power of two from 4 to 2048 (default 512)\n"
                           "  --rect     rectangular window instead of Hamming\n"
                           "\n"
                           "Output: the header line frequency,level, then one line per bin:\n"
                           "frequency in Hz and level in dB.\n");

}  // namespace
}  // namespace velmora::cli
