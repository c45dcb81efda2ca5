#pragma once
// The wave-output device the player drives (the platform layer implements it on the sound
// server; tests use a scripted fake).
//
// Calling sequence, all on the UI thread:
//   query(format)              may the format be played? (nothing is opened)
//   open(format, listener)  -> listener.waveOutOpened() arrives later
//   prepare(h), write(h) ...   blocks play back to back in the order written
//   ... listener.waveOutDone(h) for each block once played, in order, flags HeaderDone set
//   pause() / restart()        hold and resume the output where it stands
//   reset()                    stops at once and returns every written block through
//                              waveOutDone (also when paused)
//   close()                    fails with StillPlaying while blocks are queued;
//                              listener.waveOutClosed() arrives later
// Notifications never arrive inside a call; they come from the event loop, which
// waitUntil() runs.
#include <functional>
#include <string>

#include "audio/wave_format.h"
#include "audio/wave_header.h"

namespace velmora {

class WaveOutListener {
 public:
  virtual ~WaveOutListener() = default;
  virtual void waveOutOpened() = 0;
  virtual void waveOutDone(WaveHeader* header) = 0;
  virtual void waveOutClosed() = 0;
};

class WaveOutDevice {
 public:
  virtual ~WaveOutDevice() = default;

  virtual WaveResult query(const WaveFormat& format) = 0;
  virtual WaveResult open(const WaveFormat& format, WaveOutListener* listener) = 0;
  virtual WaveResult prepare(WaveHeader* header) = 0;
  virtual WaveResult unprepare(WaveHeader* header) = 0;
  virtual WaveResult write(WaveHeader* header) = 0;
  virtual WaveResult pause() = 0;
  virtual WaveResult restart() = 0;
  virtual WaveResult reset() = 0;
  virtual WaveResult close() = 0;
  virtual bool isOpen() const = 0;
  // Drops every notification still owed to a listener that is going away.
  virtual void forget(WaveOutListener* listener) = 0;
  // Output volume, 0.0 to 1.0.
  virtual WaveResult setVolume(double volume) = 0;

  virtual std::string errorText(WaveResult result) const { return waveResultText(result); }

  // As WaveInDevice::waitUntil.
  virtual bool waitUntil(const std::function<bool()>& done) = 0;
};

}  // namespace velmora
