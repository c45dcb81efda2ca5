#pragma once
// Everything one paint of the analysis view needs, gathered by the widget and handed to the
// renderer, so the same drawing serves the screen, a grabbed image and a printer.
#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

#include "audio/sound_buffer.h"
#include "view/f0_readout_text.h"
#include "presentation/label_layout.h"
#include "presentation/pointer_readout.h"
#include "presentation/display_mode.h"
#include "presentation/view_geometry.h"

namespace velmora {

class FormantTrack;
class LabelSet;
class PowerSpectrum;

inline const QColor kButtonFace(240, 240, 240);

// A paused take's F0 and formant tracks over the live picture (paused_take.h).
struct PausedTakeOverlay {
  const std::vector<int64_t>* columnSamples = nullptr;  // per picture column, the take's sample it shows; -1: none
  int64_t sampleCount = 0;                              // the samples of the take that were analysed
  const std::vector<float>* f0Values = nullptr;         // null while computing or not wanted
  const FormantTrack* formants = nullptr;               // likewise
};

struct ViewScene {
  ViewGeometry geometry;
  int mode = ModeEmpty;
  const SoundBuffer* buffer = nullptr;
  int language = 0;
  int extraTextChar = 0;
  int f0Min = 70;
  int f0Max = 400;
  bool showF0 = false;
  bool showFormants = false;
  bool showSpectrogram = true;
  int scheme = 2;                    // spectrogram palette scheme
  double spectrogramTopHz = 5512.5;  // (rate / 2) / frequency divisor
  double powerTopHz = 5512.5;
  QImage spectrogram;                                // picture of the visible range; null when none
  const std::vector<float>* f0Values = nullptr;      // whole recording; null when not computed
  const FormantTrack* formants = nullptr;            // null when not computed
  const PowerSpectrum* power = nullptr;              // null when not computed
  const std::vector<float>* liveSignal = nullptr;  // newest block of a take, graphWidth x 8 values
  int recorderRate = 11025;  // shown while no recording is open
  // While a take runs (its record button shows Stop): the samples recorded so far, whose
  // length the header shows instead of the visible range's; -1: no take.
  int64_t takeSamples = -1;
  // Where the take's duration goes, as laid out at the view's last full paint: every live
  // repaint asks for it, and laying the header out each time cost more than painting the
  // duration. Null: laid out afresh.
  QRect takeDurationArea;
  bool lineInput = false;    // the record line is "Line" instead of "Mic"
  bool printing = false;
  // A comparison is open: this pane set is one of two drawn side by side.
  bool comparison = false;
  bool grayScale = false;  // the panes' colours drawn as grays (a gray-scale print)
  const F0ReadoutText* f0Readout = nullptr;  // the live F0 while a take or playback runs; none: null
  int playCursorX = -1;  // pixel column of the playback cursor; -1: none
  // The marked columns of the waveform pane, shown inverted; -1: none.
  int selectionX0 = -1;
  int selectionX1 = -1;
  std::optional<PointerReadout> readout;  // the value box under the pointer
  // While the whole recording plays in the live display: the F0 and formant overlays end
  // at this column (the play position); -1: no limit.
  int overlayLimitX = -1;
  // A take is paused: its tracks so far, drawn over the live picture.
  std::optional<PausedTakeOverlay> pausedTake;
  // The text labels drawn in the label band; null while the band shows none (a take, or the
  // whole recording playing).
  const LabelSet* labels = nullptr;
  std::optional<LabelPreview> labelPreview;  // the text being typed in "Insert Text"
  std::optional<LabelTip> labelTip;          // a marker's text under the pointer

  // A take's or playback's repaint of part of the panes: that part, logical; null: all.
  // Pieces that lie elsewhere are skipped, and only this part of the picture is copied.
  QRect liveDirty;

  bool hasSamples() const { return buffer && buffer->isOpen(); }
  int sampleRate() const { return buffer ? static_cast<int>(buffer->sampleRate()) : 0; }
};

}  // namespace velmora
