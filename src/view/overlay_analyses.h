#pragma once
// The F0 and formant tracks of the open recording, computed on two worker threads so the
// window keeps answering while a long recording is analysed; the spectrogram and waveform
// are drawn meanwhile and each overlay appears when its track arrives.
//
//   update(sound, f0, formants): starts each wanted track that is neither computed nor
//     running, over one shared copy of the samples (edits never touch it), and stops a
//     running one no longer wanted. "Calculating F0..." / "Calculating Formants..." stay on
//     the frame while they run, and the host shows its busy cursor over the panes.
//   releaseSamples(): the document's samples are about to change: the workers keep the copy
//     they share, or, when none had copied them yet, stop.
//   stop(): the samples changed or went; running tracks are dropped and never arrive.
//   finish(): waits for the running tracks and takes them at once.
//   updatePower(sound): the power spectrum of the visible range (power-spectrum mode), on a
//     worker as well, over a copy of the engine; no status text, the busy cursor over the
//     panes. stopPower(): a take or playback feeds the engine itself.
// The results are the engines' own, exactly as a computation on the UI thread gives.
#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/f0_track.h"
#include "analysis/formant_track.h"
#include "analysis/power_spectrum.h"
#include "audio/sound_buffer.h"
#include "core/interaction.h"
#include "view/analysis_results.h"
#include "view/background_task.h"
#include "view/sample_snapshot.h"
#include "view/view_host.h"

namespace velmora {

class OverlayAnalyses {
 public:
  OverlayAnalyses(AnalysisResults& results, ViewHost& host, Interaction& ui);

  void update(const SoundBuffer& sound, bool wantF0, bool wantFormants);
  void updatePower(const SoundBuffer& sound);
  void stopPower();
  void releaseSamples();
  void stop();
  void finish();
  bool running() const { return f0_.running() || formants_.running() || power_.running(); }
  // The formant dots are voiced by the F0 track: they wait while it is on its way.
  bool f0Running() const { return f0_.running(); }

 private:
  struct FormantResult {
    FormantTrack track;
    int frames = 0;
  };
  struct PowerResult {
    PowerSpectrum engine;
    int32_t start = 0, end = 0;
  };
  using Samples = std::shared_ptr<SampleSnapshot>;

  Samples samplesOf(const SoundBuffer& sound);
  void f0Arrived(F0Track track);
  void formantsArrived(FormantResult result);
  void powerArrived(PowerResult result);
  // The status text and the busy cursor after a track started, arrived or was dropped.
  void showProgress(const std::string& doneText);

  AnalysisResults& results_;
  ViewHost& host_;
  Interaction& ui_;
  // The samples the running tracks share; dropped when none runs.
  Samples samples_;
  BackgroundTask<F0Track> f0_;
  BackgroundTask<FormantResult> formants_;
  BackgroundTask<PowerResult> power_;
  PowerResult powerRun_;  // what the running power task computes (range, FFT size)
};

}  // namespace velmora
