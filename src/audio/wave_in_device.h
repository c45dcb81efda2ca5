#pragma once
// The wave-input device the recorder drives (the platform layer implements it on the sound
// server; tests use a scripted fake).
//
// Calling sequence, all on the UI thread:
//   open(format, listener)  -> listener.waveInOpened() arrives later
//   prepare(h), add(h) ...     queue empty buffers, in order
//   start()                    capture fills the queued buffers front to back
//   ... listener.waveInData(h) for each filled buffer, in queue order, flags HeaderDone set,
//       bytesRecorded = bytes filled; the engine unprepares it and may add fresh ones
//   reset()                    stops capture and returns every queued buffer (the one being
//                              filled with what it holds, the rest empty) through waveInData;
//                              start() resumes capture after a reset
//   close()                    fails with StillPlaying while buffers are queued;
//                              listener.waveInClosed() arrives later
// While started with no buffer queued the device runs dry: what it captures is dropped.
// Notifications never arrive inside a call; they come from the event loop, which
// waitUntil() runs.
#include <functional>
#include <string>

#include "audio/wave_format.h"
#include "audio/wave_header.h"

namespace velmora {

class WaveInListener {
 public:
  virtual ~WaveInListener() = default;
  virtual void waveInOpened() = 0;
  virtual void waveInData(WaveHeader* header) = 0;
  virtual void waveInClosed() = 0;
};

class WaveInDevice {
 public:
  virtual ~WaveInDevice() = default;

  // Opens the default input with the format; notifications go to the listener.
  virtual WaveResult open(const WaveFormat& format, WaveInListener* listener) = 0;
  virtual WaveResult prepare(WaveHeader* header) = 0;
  virtual WaveResult unprepare(WaveHeader* header) = 0;
  virtual WaveResult add(WaveHeader* header) = 0;
  virtual WaveResult start() = 0;
  virtual WaveResult reset() = 0;
  virtual WaveResult close() = 0;
  virtual bool isOpen() const = 0;
  // Drops every notification still owed to a listener that is going away.
  virtual void forget(WaveInListener* listener) = 0;

  // The text shown for a failed call (the device may know more than the code says).
  virtual std::string errorText(WaveResult result) const { return waveResultText(result); }

  // Runs the event loop, delivering notifications, until done() holds. False when the
  // program is quitting (or nothing could ever make done() true) before it held.
  virtual bool waitUntil(const std::function<bool()>& done) = 0;
};

}  // namespace velmora
