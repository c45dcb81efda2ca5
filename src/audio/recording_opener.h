#pragma once
// The two ways a recording enters the view's buffer:
//  - a client's numbered recording (written by the program): loaded without format checks;
//  - a file chosen by path: the rate (msg::RateNotSupported) and 16-bit (msg::Not16Bits) checks, and a stereo file
//    reduced to one channel after the user's choice (Cancel: msg::FileNotOpened).
// The caller has closed the previous recording first; a refused file leaves the buffer empty.
// The accept* forms take a file already read (on a worker thread, for a long recording) and
// do the rest on the UI thread.
#include <filesystem>

#include "audio/sound_buffer.h"
#include "audio/wav_reader.h"
#include "core/interaction.h"

namespace velmora {

bool isSupportedRate(uint32_t rate);

// The "Open File" stereo question as a choice request (options: left, right, mix).
ChoiceRequest stereoChoiceRequest();

bool openNumberedRecording(SoundBuffer& buffer, const std::filesystem::path& path, int number, Interaction& ui);
bool openRecordingByPath(SoundBuffer& buffer, const std::filesystem::path& path, Interaction& ui);
bool acceptNumberedRecording(SoundBuffer& buffer, WavData&& read, const std::filesystem::path& path, int number,
                             Interaction& ui);
bool acceptRecordingByPath(SoundBuffer& buffer, WavData&& read, const std::filesystem::path& path, Interaction& ui);

}  // namespace velmora
