#pragma once
// A synthetic sustained vowel for the demo folder: a glottal pulse train with a gently
// moving pitch, shaped by four formant resonators, with a soft onset and offset.
#include <cstdint>
#include <vector>

namespace velmora::cli {

struct DemoVowel {
  double startF0Hz = 200.0;
  double endF0Hz = 240.0;
  double formantsHz[4] = {800.0, 1200.0, 2500.0, 3500.0};
  double bandwidthsHz[4] = {80.0, 90.0, 120.0, 150.0};
  double durationSeconds = 2.0;
  double leadingSilenceSeconds = 0.3;
  double vibratoHz = 5.0;
  double vibratoDepth = 0.01;  // fraction of F0
};

std::vector<int16_t> synthesizeVowel(const DemoVowel& vowel, uint32_t sampleRateHz);

}  // namespace velmora::cli
