#include "analysis/formant_overlay.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

std::array<float, 4> formantsOf(const FormantFrame& f) { return {f.f1Hz, f.f2Hz, f.f3Hz, f.f4Hz}; }

// Appends the dots of one frame whose boxes start at column x; boxes are clipped to the pane.
void addFrameDots(const FormantFrame& frame, int x, const PaneGeometry& pane, double topFrequencyHz,
                  const std::array<OverlayColour, 4>& colours, std::vector<FormantDot>& out) {
  const std::array<float, 4> formants = formantsOf(frame);
  const int paneBottom = pane.top + pane.height;
  const int paneRight = pane.left + pane.width;
  for (int n = 0; n < 4; ++n) {
    const double f = formants[static_cast<size_t>(n)];
    if (!(f < topFrequencyHz)) continue;
    const int y = pane.top + pane.height - static_cast<int>(pane.height * f / topFrequencyHz);
    FormantDot dot;
    dot.left = std::max(x, pane.left);
    dot.top = std::max(y, pane.top);
    dot.right = std::min(x + kFormantDotSize, paneRight);
    dot.bottom = std::min(y + kFormantDotSize, paneBottom);
    if (dot.right <= dot.left || dot.bottom <= dot.top) continue;
    dot.formantIndex = n;
    dot.colour = colours[static_cast<size_t>(n)];
    out.push_back(dot);
  }
}

bool voicedAt(const std::vector<float>* f0Values, long long index) {
  if (f0Values == nullptr) return true;
  // Rounding can land just past the F0 values; with no value there, nothing is voiced.
  if (index < 0 || index >= static_cast<long long>(f0Values->size())) return false;
  return (*f0Values)[static_cast<size_t>(index)] != 0.0f;
}

}  // namespace

std::array<OverlayColour, 4> formantColours(int scheme) {
  switch (scheme) {
    case 1: return {{{255, 255, 255}, {255, 128, 0}, {255, 128, 192}, {255, 255, 0}}};
    case 2: return {{{255, 255, 255}, {0, 255, 255}, {220, 220, 220}, {0, 255, 0}}};
    default: return {{{255, 128, 0}, {128, 0, 64}, {0, 128, 64}, {255, 0, 0}}};
  }
}

std::vector<FormantDot> formantOverlayDots(const FormantTrack& track, const PaneGeometry& pane, double topFrequencyHz,
                                           const VisibleRange& range, int scheme, const std::vector<float>* f0Values) {
  std::vector<FormantDot> dots;
  const int frameCount = track.frameCount();
  if (!track.valid() || frameCount == 0 || pane.width <= 0 || pane.height <= 0 || topFrequencyHz <= 0.0 ||
      range.totalSamples <= 0)
    return dots;
  const std::array<OverlayColour, 4> colours = formantColours(scheme);

  const float samplesPerFrame = static_cast<float>(range.totalSamples) / static_cast<float>(frameCount);
  const float t = std::max(0.0f, static_cast<float>(range.firstSample) / samplesPerFrame);
  const float lastFrame = static_cast<float>(range.lastSample) / samplesPerFrame;
  const float step = (lastFrame - t) / static_cast<float>(pane.width);

  // Formant frame k maps onto the F0 value at the same place of the visible range.
  float f0PerFrame = 0.0f, f0First = 0.0f;
  if (f0Values != nullptr && !f0Values->empty()) {
    const float samplesPerF0 = static_cast<float>(range.totalSamples) / static_cast<float>(f0Values->size());
    f0First = static_cast<float>(range.firstSample) / samplesPerF0;
    const float f0Last = static_cast<float>(range.lastSample) / samplesPerF0;
    f0PerFrame = lastFrame - t != 0.0f ? (f0Last - f0First) / (lastFrame - t) : 0.0f;
  }

  for (int i = 0; i < pane.width; ++i) {
    const long long k = static_cast<long long>(t + static_cast<float>(i) * step);
    if (k < 0 || k >= frameCount) continue;
    const FormantFrame& frame = track.frames()[static_cast<size_t>(k)];
    if (frame.drawable == 0) continue;
    if (f0Values != nullptr) {
      const long long f0Index = static_cast<long long>((static_cast<float>(k) - t) * f0PerFrame + f0First);
      if (!voicedAt(f0Values, f0Index)) continue;
    }
    addFrameDots(frame, pane.left + i, pane, topFrequencyHz, colours, dots);
  }
  return dots;
}

std::vector<FormantDot> formantDotsAtPosition(const FormantTrack& track, const PaneGeometry& pane, double topFrequencyHz,
                                              long long totalSamples, long long position, int scheme,
                                              const std::vector<float>* f0Values) {
  std::vector<FormantDot> dots;
  const int frameCount = track.frameCount();
  if (!track.valid() || frameCount == 0 || totalSamples <= 0 || topFrequencyHz <= 0.0 || pane.width <= 0) return dots;
  const double fraction = static_cast<double>(position) / static_cast<double>(totalSamples);
  const long long k = static_cast<long long>(frameCount * fraction);
  if (k < 0 || k >= frameCount) return dots;
  if (f0Values != nullptr && !voicedAt(f0Values, static_cast<long long>(static_cast<double>(f0Values->size()) * fraction)))
    return dots;
  const FormantFrame& frame = track.frames()[static_cast<size_t>(k)];
  if (frame.drawable == 0) return dots;
  addFrameDots(frame, pane.left + pane.width - kFormantDotSize, pane, topFrequencyHz, formantColours(scheme), dots);
  return dots;
}

std::vector<FormantDot> formantDotsAtColumns(const FormantTrack& track, const PaneGeometry& pane, double topFrequencyHz,
                                             long long totalSamples, const std::vector<int64_t>& columnSamples,
                                             int scheme, const std::vector<float>* f0Values) {
  std::vector<FormantDot> dots;
  const int frameCount = track.frameCount();
  if (!track.valid() || frameCount == 0 || totalSamples <= 0 || topFrequencyHz <= 0.0 || pane.width <= 0) return dots;
  const std::array<OverlayColour, 4> colours = formantColours(scheme);
  const size_t columns = std::min(columnSamples.size(), static_cast<size_t>(pane.width));
  for (size_t i = 0; i < columns; ++i) {
    const long long sample = columnSamples[i];
    if (sample < 0 || sample >= totalSamples) continue;
    const double fraction = static_cast<double>(sample) / static_cast<double>(totalSamples);
    const auto k = static_cast<long long>(frameCount * fraction);
    if (k >= frameCount) continue;
    if (f0Values != nullptr && !voicedAt(f0Values, static_cast<long long>(static_cast<double>(f0Values->size()) * fraction)))
      continue;
    const FormantFrame& frame = track.frames()[static_cast<size_t>(k)];
    if (frame.drawable == 0) continue;
    addFrameDots(frame, pane.left + 1 + static_cast<int>(i), pane, topFrequencyHz, colours, dots);
  }
  return dots;
}

}  // namespace velmora
