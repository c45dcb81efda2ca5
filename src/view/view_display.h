#pragma once
// What the analysis view shows of its document: the display mode, the display settings
// the bars choose, the analyses (computed once and kept), and the live state of a take or
// of playback (the newest signal block, the F0 readout, the play cursor). It gathers all
// of it into the scene that the renderer paints.
//
// Opening: recordingOpened() picks the mode (power spectrum stays power spectrum), gives
// the rate to the bars and the analyses, computes the spectrogram or spectrum at once and
// starts the F0 and formant tracks on worker threads ("Calculating F0..." on the frame until
// they arrive), and repaints. A setting that needs a new analysis computes or starts it at
// once; one that only recolours repaints.
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/hls_colour.h"
#include "analysis/power_spectrum_changes.h"
#include "core/interaction.h"
#include "document/recording_document.h"
#include "presentation/live_signal.h"
#include "view/analysis_results.h"
#include "view/overlay_analyses.h"
#include "view/paused_take.h"
#include "view/view_host.h"
#include "view/view_scene.h"

namespace velmora {

class ViewDisplay : private DocumentObserver {
 public:
  ViewDisplay(const RecordingDocument& document, ViewHost& host, Interaction& ui, const ViewGeometry& geometry);
  ~ViewDisplay() override;
  ViewDisplay(const ViewDisplay&) = delete;
  ViewDisplay& operator=(const ViewDisplay&) = delete;

  int mode() const { return mode_; }
  const ViewGeometry& geometry() const { return scene_.geometry; }
  // What the next paint draws.
  ViewScene scene() const;
  AnalysisResults& results() { return results_; }
  const AnalysisResults& results() const { return results_; }
  void requestRepaint() { host_.requestRepaint(); }
  // Zoomed in or out: the analyses of the new range, then a repaint.
  void visibleRangeChanged();

  void recordingOpened();
  // The samples were edited: the analyses of the whole file again, under the wait cursor.
  void samplesEdited();
  void recordingClosed();
  // Waits for the F0 and formant tracks still on their way (printing the view, tests).
  void finishAnalyses() {
    overlays_.finish();
    paused_.finish();
  }
  // Drops the running ones (the view goes).
  void stopAnalyses() {
    overlays_.stop();
    paused_.end();
  }
  bool analysing() const { return overlays_.running() || paused_.running(); }

  // The Mode menu.
  void spectrogramCommand();
  void powerSpectrumCommand();
  void setEmptyMode();

  // Display settings.
  void setF0Range(int minHz, int maxHz);
  int f0Min() const { return scene_.f0Min; }
  int f0Max() const { return scene_.f0Max; }
  void setLanguage(int language, int extraTextChar);
  int language() const { return scene_.language; }
  int extraTextChar() const { return scene_.extraTextChar; }
  void setShowF0(bool on);
  bool showsF0() const { return scene_.showF0; }
  bool showsFormants() const { return scene_.showFormants; }
  void setShowFormants(bool on);
  void setShowSpectrogram(bool on);
  void setBand(int hz);
  void setSpectrogramLimit(int hz);
  void setScheme(int scheme);
  void setLevels(int db);
  void setPowerLimit(int hz);
  void setFftSize(int points);
  void setLtas(bool on);
  void setLineMode(bool line);
  void setCurveColour(Rgb colour);
  // A comparison pane takes the shown pane's settings (overlays, colours, band, levels,
  // FFT size, F0 range, language) and its file mode; its own limit stays.
  void copySettingsFrom(const ViewDisplay& other);
  // Both pane sets are drawn side by side (a comparison is open).
  void setComparisonLayout(bool on);
  bool comparisonLayout() const { return scene_.comparison; }

  // The rate of the next take, shown while no recording is open.
  void setRecorderRate(int rateHz);
  int recorderRate() const { return scene_.recorderRate; }
  // The record slider is labelled "Line" instead of "Mic".
  void setLineInput(bool line);
  bool lineInput() const { return scene_.lineInput; }

  // A take: the live mode of the shown pane at the recorder's rate, an empty picture.
  void beginLiveDisplay(int rateHz);
  // Playing the whole recording draws the played blocks as a take is drawn; the file's
  // display comes back when the player closes.
  void beginPlaybackDisplay();
  void endPlaybackDisplay();
  // One block into the live engines (spectrogram column or spectrum) and the waveform.
  void drawLiveBlock(LiveSignal& live, const int16_t* samples, size_t count);
  void setLiveSignal(std::vector<float> values);
  // The take was paused: the tracks of `samples` (all it has recorded) as the boxes ask,
  // drawn over the live picture, whose first pushed sample is the take's liveStartSample.
  // Until the take resumes or a recording is shown.
  void takePaused(std::vector<int16_t> samples, int64_t liveStartSample);
  const PausedTakeAnalysis& pausedTake() const { return paused_; }
  // The computed F0 contour's value at a sample; 0 when unvoiced or not computed.
  float f0At(int64_t sample) const;
  // The samples a running take has recorded so far, shown as the header's duration with the
  // live parts each time the take passes a tenth of a second; -1 when the take has ended.
  void setTakeSamples(int64_t samples);
  // Shows the exact length at once (the take paused).
  void showTakeSamples();
  int64_t takeSamples() const { return takeSamples_; }
  int64_t shownTakeSamples() const { return scene_.takeSamples; }
  // The live F0 readout in Hz; 0 clears it.
  void setF0Readout(float hz);
  float f0Readout() const { return f0Readout_; }
  // The playback cursor at a sample of the recording; -1 hides it.
  void setPlayCursor(int64_t sample);
  int64_t playCursor() const { return playCursor_; }
  // The pixel column of the playback cursor, or -1.
  int playCursorX() const;
  // The whole view was painted afresh: a live block repaints the whole spectrum next.
  void viewRepainted();
  // Where the cursor stays when playback has ended (the end of what was played); -1: none.
  void setRestCursor(int64_t sample);
  int64_t restCursor() const { return restCursor_; }

 private:
  // The analysis workers let go of the document's samples before they change.
  void samplesWillChange(const RecordingDocument&) override { overlays_.releaseSamples(); }
  // The Mode commands' common step: nothing when `next` is empty.
  void switchMode(std::optional<DisplayMode> next);
  void applyRate(int rateHz);
  // The samples changed or went: the cursors and every analysis of them are stale.
  void forgetSamples();
  int columnOf(int64_t sample) const;
  // The waveform pane, where the live signal and the F0 readout are drawn.
  ViewRect waveformArea() const;
  void startLivePicture();
  // Brings every result the current mode and settings need up to date.
  void computeWhatIsShown();
  void settingsChanged();

  const RecordingDocument& document_;
  ViewHost& host_;
  ViewScene scene_;
  int mode_ = ModeEmpty;
  AnalysisResults results_;
  OverlayAnalyses overlays_;  // after results_: its workers hand their tracks to it
  PausedTakeAnalysis paused_;
  std::vector<float> liveSignal_;
  PowerSpectrumChanges liveSpectrum_;  // what each live spectrum changes on screen
  QRect takeDurationArea_;             // as the last full paint laid the header out
  float f0Readout_ = 0;
  F0ReadoutText f0Text_;  // the readout laid out for f0Readout_
  int64_t takeSamples_ = -1;
  int64_t playCursor_ = -1;
  int64_t restCursor_ = -1;
  bool playbackDisplay_ = false;
};

}  // namespace velmora
