#pragma once
// Writing a WAV file the way every recording, save and import is stored: RIFF "WAVE" with an
// 18-byte "fmt " chunk (extra-byte count 0) and a "data" chunk, each padded to even length.
// The file replaces its target atomically and keeps an existing recording's file time.
#include <cstddef>
#include <filesystem>
#include <string>

#include "audio/wave_format.h"
#include "core/interaction.h"

namespace velmora {

// The complete file image.
std::string wavFileBytes(const WaveFormat& format, const void* data, size_t byteCount);

// keepTime: an existing recording's file time is its date, so a save keeps it; a new file
// written over an unrelated one (the command line's convert) takes the time of writing.
bool writeWavFile(const std::filesystem::path& path, const WaveFormat& format, const void* data, size_t byteCount,
                  bool keepTime = true);

// As above; on failure shows msg::WavNotWritten with the path.
bool writeWavFile(const std::filesystem::path& path, const WaveFormat& format, const void* data, size_t byteCount,
                  Interaction& ui);

}  // namespace velmora
