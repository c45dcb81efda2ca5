#pragma once
// Everything one paint of the analysis view needs, gathered by the widget and handed to the
// renderer, so the same drawing serves the screen, a grabbed image and a printer.
#include <QColor>
#include <QImage>
#include <vector>

#include "audio/sound_buffer.h"
#include "view/display_mode.h"
#include "view/overlay_dots.h"
#include "view/view_geometry.h"

namespace velmora {

inline const QColor kButtonFace(240, 240, 240);

struct PowerCurve {
  std::vector<float> current;  // levels in dB, one per bin
  std::vector<float> average;
  bool showAverage = false;
  bool lineMode = false;       // "Line" instead of "Solid"
  QColor colour = QColor(0, 0, 128);
  int fftSize = 512;
  double zoom = 1.0;           // frequency divisor
  bool hasData = false;
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
  const QImage* spectrogram = nullptr;             // cached image of the visible range
  const std::vector<float>* f0Values = nullptr;    // whole recording; null when not computed
  const std::vector<FormantFrameValues>* formants = nullptr;
  const PowerCurve* power = nullptr;
  bool lineInput = false;   // the record line is "Line" instead of "Mic"
  bool printing = false;

  bool hasSamples() const { return buffer && buffer->isOpen(); }
  int sampleRate() const { return buffer ? static_cast<int>(buffer->sampleRate()) : 0; }
};

}  // namespace velmora
