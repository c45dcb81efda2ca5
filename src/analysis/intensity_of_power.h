#pragma once
// A spectrogram row's intensity straight from its mean power, without a logarithm:
// intensityOfMeanPower(p) == intensityOfLevel(10 * log10f(p)) for every float p, found by
// comparing p with the 255 powers at which the intensity steps up. A long recording's
// spectrogram takes hundreds of thousands of rows, and the logarithm was most of their cost.
#include <cstdint>

namespace velmora {

uint8_t intensityOfMeanPower(float meanPower);

}  // namespace velmora
