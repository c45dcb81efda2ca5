#pragma once
// Butterworth IIR filters as a cascade of direct-form-II sections.
//
// Calling sequence:
//   ButterworthDesign d = designButterworth(FilterType::LowPass, 4, 4750.0, 0.0, 44100.0);
//   if (!d.filter) show d.errorText;          // the designer itself shows nothing
//   resetFilter(*d.filter);
//   for each sample: y = filterSample(*d.filter, x);   (or filterBlock over many)
//   freeFilter(d.filter);
//
// Design: the analog prototype's pole pairs at angles (2j + 1) pi / (2 order), scaled by the
// prewarped cutoff tan(pi f / rate), mapped to the z-plane by the bilinear transform
// z = (1 + s) / (1 - s). Low-pass and high-pass give order / 2 sections of three
// coefficients; band-pass and band-stop transform each prototype pair into a section of five
// coefficients (order / 2 sections, so the band filter's overall order is twice `order`).
// Gains: low-pass unity at 0 Hz, high-pass unity at the Nyquist frequency, band-pass unity at
// the geometric centre of the band, band-stop unity at 0 Hz.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

enum class FilterType : int { LowPass = 1, HighPass = 2, BandPass = 3, BandStop = 4 };

constexpr int kMaxButterworthOrder = 10;

struct FilterSection {
  int coefficientCount = 3;   // 3 for low/high-pass sections, 5 for band sections
  double b[5] = {0, 0, 0, 0, 0};  // numerator
  double a[5] = {1, 0, 0, 0, 0};  // denominator, a[0] = 1
  double state[5] = {0, 0, 0, 0, 0};  // state[0] newest
};

struct FilterCascade {
  std::vector<FilterSection> sections;
};

enum class FilterError { None, UnknownType, OddOrder, OrderTooLarge, OutOfMemory };

// The message the caller shows for a failed design ("filter: unknown filter type", ...).
const char* filterErrorText(FilterError error);

struct ButterworthDesign {
  std::unique_ptr<FilterCascade> filter;  // null when the design failed
  FilterError error = FilterError::None;
  std::string errorText;  // empty on success
};

// type is the raw filter type (1 low-pass, 2 high-pass, 3 band-pass, 4 band-stop), so that
// values from outside the program are checked here. f2Hz is used by the band types only.
ButterworthDesign designButterworth(int type, int order, double f1Hz, double f2Hz, double rateHz);

void resetFilter(FilterCascade& filter);
float filterSample(FilterCascade& filter, double x);
// The same for n values in turn, in place (not rounded to float): faster on long signals.
void filterBlock(FilterCascade& filter, double* values, size_t n);
void freeFilter(std::unique_ptr<FilterCascade>& filter);

}  // namespace velmora
