#pragma once
// The formant overlay as data: the dots of F1 to F4 that the view paints over the
// spectrogram, one set per pixel column of the pane, and the four dots of the play or record
// position. The view turns each dot into a filled ellipse with a 1-pixel pen of its colour.
//
// Column i of a pane of width W shows frame truncate(t + i * step), where t is the first
// visible sample over the samples per frame (at least 0) and step spans the visible frames
// over W. A frame is shown when it is drawable and, when F0 values are given, its F0 is not 0
// (voiced frames only). Formant F sits at y = top + height - truncate(height * F / topHz),
// drawn only below the top frequency, as a 3 x 3 box clipped to the pane.
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/formant_track.h"

namespace velmora {

struct OverlayColour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

struct PaneGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Box of a filled ellipse: left and top inclusive, right and bottom exclusive.
struct FormantDot {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int formantIndex = 0;  // 0 for F1 .. 3 for F4
  OverlayColour colour;
};

constexpr int kFormantDotSize = 3;

// Colours of F1 .. F4 for spectrogram colour schemes 0, 1 and 2 (others use scheme 0).
std::array<OverlayColour, 4> formantColours(int scheme);

struct VisibleRange {
  long long totalSamples = 0;
  long long firstSample = 0;
  long long lastSample = 0;
};

// f0Values: the recording's F0 track (0 = unvoiced), or null when there is none.
std::vector<FormantDot> formantOverlayDots(const FormantTrack& track, const PaneGeometry& pane, double topFrequencyHz,
                                           const VisibleRange& range, int scheme, const std::vector<float>* f0Values);

// The dots of the frame at a play or record position, with their right edge at the pane's
// right edge (where the F0 dot of the same position is drawn too).
std::vector<FormantDot> formantDotsAtPosition(const FormantTrack& track, const PaneGeometry& pane, double topFrequencyHz,
                                              long long totalSamples, long long position, int scheme,
                                              const std::vector<float>* f0Values);

// A pane whose columns each show a known sample (a paused take's live picture):
// columnSamples[i] is the sample (of totalSamples) that pixel column pane.left + 1 + i shows,
// -1 where it shows none. Each column gets the dots of the frame under its sample, voiced as
// formantDotsAtPosition decides.
std::vector<FormantDot> formantDotsAtColumns(const FormantTrack& track, const PaneGeometry& pane, double topFrequencyHz,
                                             long long totalSamples, const std::vector<int64_t>& columnSamples,
                                             int scheme, const std::vector<float>* f0Values);

}  // namespace velmora
