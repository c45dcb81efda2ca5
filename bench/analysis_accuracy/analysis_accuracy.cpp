// Known-answer accuracy of the trackers and the memory of a long formant track.
//   analysis_accuracy vowels          median error of F1..F3 per vowel, resonator count, F0, rate
//   analysis_accuracy f0              gross F0 errors of pulse trains and harmonic complexes
//   analysis_accuracy memory MINUTES  peak memory of the formant track of a long 44100 Hz voice
//   analysis_accuracy write-vowels DIR the vowels as WAV files for a peer
//   analysis_accuracy silence         speed of the 10 kHz resampling after a tone, beside noise
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/f0_track.h"
#include "analysis/formant_resample.h"
#include "analysis/formant_track.h"
#include "analysis/glottal_source.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

const int kRates[] = {11025, 22050, 44100};

double median(std::vector<double> v) {
  if (v.empty()) return 0.0;
  std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
  return v[v.size() / 2];
}

int vowels() {
  double worst = 0.0;
  int failing = 0, f1Failing = 0, cases = 0;
  std::printf("%-3s %4s %5s %6s %8s %8s %8s %8s\n", "v", "res", "f0", "rate", "F1 %", "F2 %", "F3 %", "F4 %");
  for (const VowelSpec& v : referenceVowels()) {
    for (int count : {4, 5}) {
      const std::vector<Resonator> res(v.resonators.begin(), v.resonators.begin() + count);
      for (double f0 : {100.0, 150.0, 200.0, 250.0}) {
        for (int rate : kRates) {
          const std::vector<int16_t> s = glottalVowel(rate, 1.0, f0, res);
          FormantTrack track;
          track.compute(s.data(), s.size(), rate);
          std::vector<double> err[4];
          for (size_t f = 10; f + 10 < track.frames().size(); ++f) {
            const FormantFrame& fr = track.frames()[f];
            const float got[4] = {fr.f1Hz, fr.f2Hz, fr.f3Hz, fr.f4Hz};
            for (int k = 0; k < 4; ++k)
              err[k].push_back(100.0 * std::abs(got[k] - res[static_cast<size_t>(k)].frequencyHz) /
                               res[static_cast<size_t>(k)].frequencyHz);
          }
          double m[4];
          for (int k = 0; k < 4; ++k) m[k] = median(err[k]);
          const double w = std::max({m[0], m[1], m[2]});
          worst = std::max(worst, w);
          ++cases;
          failing += w >= 5.0;
          f1Failing += m[0] >= 5.0;
          std::printf("%-3s %4d %5.0f %6d %8.1f %8.1f %8.1f %8.1f%s\n", v.name, count, f0, rate, m[0], m[1], m[2], m[3],
                      w >= 5.0 ? "  FAIL" : "");
        }
      }
    }
  }
  std::printf("cases %d, failing (F1..F3 median >= 5 %%) %d, of them F1 %d, worst %.1f %%\n", cases, failing, f1Failing,
              worst);
  return 0;
}

int f0() {
  int failing = 0;
  std::printf("%-9s %6s %6s %8s %8s %8s %8s\n", "signal", "f0", "rate", "voiced", "gross", "gross %", "median");
  for (int kind = 0; kind < 2; ++kind) {
    for (double f0 : {80.0, 150.0, 300.0, 600.0, 700.0, 800.0, 900.0, 1000.0, 1100.0, 1200.0, 1300.0, 1400.0}) {
      for (int rate : kRates) {
        std::vector<int16_t> s;
        if (kind == 0) {
          std::vector<double> d = glottalPulses(rate, 2.0, f0);
          s = toSamples(d);
        } else {
          s = harmonicComplex(rate, 2.0, f0);
        }
        F0Track track;
        track.compute(s.data(), s.size(), rate);
        int voiced = 0, gross = 0;
        std::vector<double> got;
        for (float v : track.values()) {
          if (v <= 0.0f) continue;
          ++voiced;
          got.push_back(v);
          gross += std::abs(v - f0) > 0.2 * f0;
        }
        const double share = voiced > 0 ? 100.0 * gross / voiced : 100.0;
        const bool bad = share >= 2.0 || voiced < static_cast<int>(track.count()) / 2;
        failing += bad;
        std::printf("%-9s %6.0f %6d %4d/%-4zu %8d %8.1f %8.1f%s\n", kind == 0 ? "pulses" : "harmonic", f0, rate, voiced,
                    track.count(), gross, share, median(got), bad ? "  FAIL" : "");
      }
    }
  }
  std::printf("failing %d of 72\n", failing);
  return 0;
}

int memory(double minutes) {
  const int rate = 44100;
  // A steady vowel repeated: only the length matters here.
  const std::vector<int16_t> second = glottalVowel(rate, 1.0, 120.0, referenceVowels()[0].resonators);
  const size_t n = static_cast<size_t>(minutes * 60.0) * second.size();
  std::vector<int16_t> samples(n);
  for (size_t i = 0; i < n; i += second.size()) std::copy(second.begin(), second.end(), samples.begin() + static_cast<long>(i));
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  const auto start = std::chrono::steady_clock::now();
  FormantTrack track;
  const int frames = track.compute(samples.data(), samples.size(), rate);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  std::printf("%.0f min at %d Hz: %d frames in %.1f s; samples %.0f MB, peak RSS %.0f MB (%.0f MB before the track)\n",
              minutes, rate, frames, seconds, n * 2.0 / 1e6, after.ru_maxrss / 1024.0, before.ru_maxrss / 1024.0);
  return 0;
}

// The vowels of vowels() as 16-bit WAV files DIR/V-COUNT-F0-RATE.wav, for a peer to analyse.
int writeVowels(const std::string& dir) {
  for (const VowelSpec& v : referenceVowels()) {
    for (int count : {4, 5}) {
      const std::vector<Resonator> res(v.resonators.begin(), v.resonators.begin() + count);
      for (int f0 : {100, 150, 200, 250}) {
        for (int rate : kRates) {
          const std::vector<int16_t> s = glottalVowel(rate, 1.0, f0, res);
          const std::string path = dir + "/" + v.name + "-" + std::to_string(count) + "-" + std::to_string(f0) + "-" +
                                   std::to_string(rate) + ".wav";
          FILE* f = std::fopen(path.c_str(), "wb");
          if (f == nullptr) return 1;
          const uint32_t bytes = static_cast<uint32_t>(s.size() * 2), riff = 36 + bytes, fmtSize = 16;
          const uint32_t r = static_cast<uint32_t>(rate), byteRate = r * 2;
          const uint16_t pcm = 1, channels = 1, align = 2, bits = 16;
          std::fwrite("RIFF", 1, 4, f);
          std::fwrite(&riff, 4, 1, f);
          std::fwrite("WAVEfmt ", 1, 8, f);
          std::fwrite(&fmtSize, 4, 1, f);
          std::fwrite(&pcm, 2, 1, f);
          std::fwrite(&channels, 2, 1, f);
          std::fwrite(&r, 4, 1, f);
          std::fwrite(&byteRate, 4, 1, f);
          std::fwrite(&align, 2, 1, f);
          std::fwrite(&bits, 2, 1, f);
          std::fwrite("data", 1, 4, f);
          std::fwrite(&bytes, 4, 1, f);
          std::fwrite(s.data(), 2, s.size(), f);
          std::fclose(f);
        }
      }
    }
  }
  return 0;
}

// The Butterworth low-pass of the resampling to 10 kHz on 0.5 s of tone then 60 s of digital
// silence, beside 60.5 s of noise: a state decaying into subnormal numbers would slow the first.
int silence() {
  for (int rate : {22050, 44100}) {
    const size_t n = static_cast<size_t>(60.5 * rate);
    std::vector<int16_t> toneThenSilence(n, 0), noise(n);
    for (size_t i = 0; i < static_cast<size_t>(rate) / 2; ++i)
      toneThenSilence[i] = static_cast<int16_t>(8000.0 * std::sin(2.0 * 3.141592653589793 * 440.0 * i / rate));
    uint32_t seed = 12345;
    for (int16_t& v : noise) {
      seed = seed * 1664525u + 1013904223u;
      v = static_cast<int16_t>(static_cast<int>(seed >> 16) - 32768) / 4;
    }
    for (const auto& [name, signal] : {std::pair{"tone+silence", &toneThenSilence}, std::pair{"noise", &noise}}) {
      double best = 1e9;
      for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<int16_t> out = formant::resampleToAnalysisRate(signal->data(), signal->size(), rate);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (out.empty()) return 1;
      }
      std::printf("%d Hz %-13s resampling to 10 kHz: %.3f s (best of 5)\n", rate, name, best);
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "vowels") return vowels();
  if (mode == "f0") return f0();
  if (mode == "write-vowels" && argc > 2) return writeVowels(argv[2]);
  if (mode == "silence") return silence();
  if (mode == "memory") return memory(argc > 2 ? std::atof(argv[2]) : 60.0);
  std::fprintf(stderr, "usage: analysis_accuracy vowels | f0 | silence | memory [MINUTES] | write-vowels DIR\n");
  return 2;
}
