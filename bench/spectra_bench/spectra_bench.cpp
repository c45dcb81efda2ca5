// Spectral engine benchmarks:
//   - the spectrogram of an 800 x 300 pane over a whole recording of 10 s, 60 s and 10 min at
//     44100 Hz (band 10 Hz, limit 5512 Hz: the bar's starting settings; also band 300 Hz);
//   - the power spectrum (N = 512) of 60 s at 44100 Hz;
//   - our complex and real FFTs beside FFTW's single-precision plans of the same sizes.
// `spectra_bench --write-wav DIR` writes the recordings used here, for the peer (Praat).
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "analysis/fft_complex.h"
#include "analysis/fft_real.h"
#include "analysis/power_spectrum.h"
#include "analysis/spectrogram.h"

namespace {

constexpr int kRate = 44100;

// A voice-like test signal: a gliding harmonic source at about 120..220 Hz through no filter,
// plus a little noise, so every part of the spectrum has something in it.
std::vector<int16_t> voiceLike(int seconds) {
  const size_t n = static_cast<size_t>(seconds) * kRate;
  std::vector<int16_t> s(n);
  std::mt19937 rng(42);
  std::normal_distribution<double> noise(0.0, 300.0);
  double phase = 0.0;
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double f0 = 170.0 + 50.0 * std::sin(2.0 * std::numbers::pi * 0.3 * t);
    phase += 2.0 * std::numbers::pi * f0 / kRate;
    double v = 0.0;
    for (int k = 1; k <= 12; ++k) v += std::sin(k * phase) / k;
    s[i] = static_cast<int16_t>(std::lround(std::clamp(5000.0 * v + noise(rng), -32768.0, 32767.0)));
  }
  return s;
}

const std::vector<int16_t>& recording(int seconds) {
  static std::vector<int16_t> cache[3];
  const int slot = seconds == 10 ? 0 : seconds == 60 ? 1 : 2;
  if (cache[slot].empty()) cache[slot] = voiceLike(seconds);
  return cache[slot];
}

void BM_Spectrogram800x300(benchmark::State& state) {
  const int seconds = static_cast<int>(state.range(0));
  const float band = static_cast<float>(state.range(1));
  const std::vector<int16_t>& s = recording(seconds);
  velmora::Spectrogram spectrogram;
  spectrogram.setSampleRate(kRate);
  spectrogram.setBandwidth(band);
  spectrogram.setLimit(5512.0f);
  const auto count = static_cast<int64_t>(s.size());
  for (auto _ : state) {
    const auto& image = spectrogram.drawRecording(s.data(), count, double(count) / kRate, kRate, 800, 300);
    benchmark::DoNotOptimize(image.rgb.data());
  }
  state.SetLabel(std::to_string(seconds) + " s, band " + std::to_string(int(band)) + " Hz");
}
BENCHMARK(BM_Spectrogram800x300)->Args({10, 10})->Args({60, 10})->Args({600, 10})->Args({10, 300})->Args({600, 300})
    ->Unit(benchmark::kMillisecond);

void BM_PowerSpectrum60s(benchmark::State& state) {
  const std::vector<int16_t>& s = recording(60);
  velmora::PowerSpectrum ps;
  ps.setSampleRate(kRate);
  for (auto _ : state) {
    ps.resetAverage();
    benchmark::DoNotOptimize(ps.compute(s.data(), static_cast<int64_t>(s.size())));
  }
}
BENCHMARK(BM_PowerSpectrum60s)->Unit(benchmark::kMillisecond);

std::vector<float> noiseFloats(size_t n) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> d(-1.0f, 1.0f);
  std::vector<float> v(n);
  for (auto& x : v) x = d(rng);
  return v;
}

void BM_OurComplexFft(benchmark::State& state) {
  const auto n = static_cast<size_t>(state.range(0));
  velmora::ComplexFft fft(n);
  const std::vector<float> re0 = noiseFloats(n), im0 = noiseFloats(n);
  std::vector<float> re = re0, im = im0;
  for (auto _ : state) {
    // The transform is in place: restart from the same input so values stay bounded.
    std::memcpy(re.data(), re0.data(), n * sizeof(float));
    std::memcpy(im.data(), im0.data(), n * sizeof(float));
    fft.forward(re.data(), im.data());
    benchmark::DoNotOptimize(re.data());
  }
}

void BM_FftwComplex(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  // Split arrays like ours, through FFTW's guru interface; FFTW_MEASURE as a tuned caller would.
  float* re = fftwf_alloc_real(n);
  float* im = fftwf_alloc_real(n);
  fftwf_iodim dim{n, 1, 1};
  fftwf_plan plan = fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_MEASURE);
  const std::vector<float> re0 = noiseFloats(n), im0 = noiseFloats(n);
  for (auto _ : state) {
    std::memcpy(re, re0.data(), n * sizeof(float));
    std::memcpy(im, im0.data(), n * sizeof(float));
    fftwf_execute(plan);
    benchmark::DoNotOptimize(re);
  }
  fftwf_destroy_plan(plan);
  fftwf_free(re);
  fftwf_free(im);
}

void BM_OurRealFft(benchmark::State& state) {
  const auto n = static_cast<size_t>(state.range(0));
  velmora::RealFft fft(n);
  const std::vector<float> in = noiseFloats(n);
  std::vector<float> out(n);
  for (auto _ : state) {
    fft.forward(in.data(), out.data());
    benchmark::DoNotOptimize(out.data());
  }
}

void BM_FftwReal(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  float* in = fftwf_alloc_real(n);
  fftwf_complex* out = fftwf_alloc_complex(n / 2 + 1);
  fftwf_plan plan = fftwf_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE);
  const std::vector<float> in0 = noiseFloats(n);
  std::memcpy(in, in0.data(), n * sizeof(float));
  for (auto _ : state) {
    fftwf_execute(plan);
    benchmark::DoNotOptimize(out);
  }
  fftwf_destroy_plan(plan);
  fftwf_free(in);
  fftwf_free(out);
}

BENCHMARK(BM_OurComplexFft)->RangeMultiplier(2)->Range(256, 8192);
BENCHMARK(BM_FftwComplex)->RangeMultiplier(2)->Range(256, 8192);
BENCHMARK(BM_OurRealFft)->RangeMultiplier(2)->Range(1024, 8192);
BENCHMARK(BM_FftwReal)->RangeMultiplier(2)->Range(1024, 8192);

void put16(FILE* f, uint16_t v) { std::fputc(v & 0xFF, f), std::fputc(v >> 8, f); }
void put32(FILE* f, uint32_t v) { put16(f, v & 0xFFFF), put16(f, v >> 16); }

bool writeWav(const std::string& path, const std::vector<int16_t>& s) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const auto bytes = static_cast<uint32_t>(s.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  put32(f, 36 + bytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  put32(f, 16);
  put16(f, 1);
  put16(f, 1);
  put32(f, kRate);
  put32(f, kRate * 2);
  put16(f, 2);
  put16(f, 16);
  std::fwrite("data", 1, 4, f);
  put32(f, bytes);
  for (int16_t v : s) put16(f, static_cast<uint16_t>(v));
  return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-wav") {
    for (int seconds : {10, 60, 600})
      if (!writeWav(std::string(argv[2]) + "/voice_" + std::to_string(seconds) + "s.wav", recording(seconds))) return 1;
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
