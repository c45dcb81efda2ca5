#pragma once
// The ".ddt" date file beside a recording: the WAV file's time in seconds since 1970 UTC as
// decimal text (a signed 32-bit value), no line end. Empty when the WAV file is missing.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/interaction.h"

namespace velmora {

// Writes the date file of `wavPath`; msg::ErrorSavingFile and false when it cannot be created.
bool writeDateFile(const std::filesystem::path& wavPath, Interaction& ui);

// The stored date, or nullopt for a missing file, one of five characters or fewer, or text
// that is not a number.
std::optional<int32_t> readDateFile(const std::filesystem::path& dateFilePath);

}  // namespace velmora
