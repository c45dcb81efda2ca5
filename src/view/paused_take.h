#pragma once
// A paused take's analysis: when the therapist pauses, the F0 and formant tracks of
// everything recorded so far are computed on worker threads, as for an opened recording
// ("Calculating F0..." / "Calculating Formants..." on the frame meanwhile), and drawn over
// the live picture, each dot on the column where its samples were drawn. Resuming, stopping
// or opening a recording drops them.
//
//   paused.start(samples, rateHz, columnSamples, wantF0, wantFormants)
//     samples: the take so far; columnSamples: per pixel column of the live picture, the
//     take's sample that column shows (-1: none), fixed while the take is paused
//   paused.update(wantF0, wantFormants)   a box of the bar ticked or cleared while paused
//   paused.end()
//   paused.overlay()                      what the renderer draws; empty when not paused
#include <cstdint>
#include <optional>
#include <vector>

#include "audio/sound_buffer.h"
#include "core/interaction.h"
#include "view/analysis_results.h"
#include "view/overlay_analyses.h"
#include "view/view_host.h"
#include "view/view_scene.h"

namespace velmora {

class PausedTakeAnalysis {
 public:
  PausedTakeAnalysis(ViewHost& host, Interaction& ui);

  void start(std::vector<int16_t> samples, int rateHz, std::vector<int64_t> columnSamples, bool wantF0,
             bool wantFormants);
  void update(bool wantF0, bool wantFormants);
  void end();
  // Waits for the tracks still on their way (tests).
  void finish() { overlays_.finish(); }
  bool active() const { return active_; }
  bool running() const { return overlays_.running(); }
  std::optional<PausedTakeOverlay> overlay() const;

 private:
  SoundBuffer sound_;
  std::vector<int64_t> columnSamples_;
  AnalysisResults results_;
  OverlayAnalyses overlays_;  // after results_: its workers hand their tracks to it
  bool active_ = false;
};

}  // namespace velmora
