#pragma once
// What the wave-in and wave-out devices share: the buffer header that travels between an
// engine and its device, and the result codes of device calls.
#include <cstdint>
#include <string>

namespace velmora {

enum WaveHeaderFlag : uint32_t {
  HeaderDone = 0x01,      // the device has finished with the buffer and returned it
  HeaderPrepared = 0x02,  // prepared with the device
  HeaderInQueue = 0x10,   // queued with the device
};

// One buffer handed to a device. The engine owns the header and the memory it points to;
// the device only borrows them between add/write and the buffer's return.
struct WaveHeader {
  char* data = nullptr;
  uint32_t bufferBytes = 0;    // capacity (recording) or bytes to play (playback)
  uint32_t bytesRecorded = 0;  // bytes the input device filled
  uintptr_t user = 0;          // free for the engine
  uint32_t flags = 0;
  uint32_t loops = 0;
};

enum class WaveResult {
  Ok,
  BadDevice,      // no such device (none installed, or the sound server does not answer)
  Allocated,      // the device is busy
  InvalidHandle,  // the device is not open
  HandleBusy,     // the device could not start now
  NoMemory,
  BadFormat,      // the device cannot take this wave format
  StillPlaying,   // buffers are still queued
  Unprepared,     // the header was not prepared
  Error,
};

// Plain English text of a device result, as the system would word it.
std::string waveResultText(WaveResult result);

}  // namespace velmora
