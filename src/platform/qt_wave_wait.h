#pragma once
// The wait the wave devices offer their engines: run the Qt event loop (so device
// notifications and everything else keep flowing) until a condition holds, the program
// quits, or nothing could make the condition come true any more.
#include <QAudioFormat>
#include <functional>

#include "audio/wave_format.h"

namespace velmora {

bool runQtEventsUntil(const std::function<bool()>& done, const std::function<bool()>& canProgress);

// The Qt format of a PCM wave format (8-bit unsigned or 16-bit signed samples).
QAudioFormat toQtAudioFormat(const WaveFormat& format);

}  // namespace velmora
