#include "audio/wave_header.h"

namespace velmora {

std::string waveResultText(WaveResult result) {
  switch (result) {
    case WaveResult::Ok: return "The command completed successfully.";
    case WaveResult::BadDevice: return "No sound device is available. Check that a sound server is running.";
    case WaveResult::Allocated: return "The sound device is already in use by another program.";
    case WaveResult::InvalidHandle: return "The sound device is not open.";
    case WaveResult::HandleBusy: return "The sound device could not be started.";
    case WaveResult::NoMemory: return "There is not enough memory for the sound device.";
    case WaveResult::BadFormat: return "The sound device does not support this wave format.";
    case WaveResult::StillPlaying: return "Buffers are still queued on the sound device.";
    case WaveResult::Unprepared: return "The sound buffer was not prepared.";
    case WaveResult::Error: break;
  }
  return "The sound device reported an error.";
}

}  // namespace velmora
