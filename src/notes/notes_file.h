#pragma once
// The notes of a recording: a text file beside it with the extension "txt".
// Each line is written with a line end after it and read back the same way, so a save of
// unchanged notes gives the same file. Files from the earlier Windows program (CR LF, or
// Windows-1252 text) are read too.
#include <filesystem>
#include <optional>
#include <string>

#include "core/interaction.h"

namespace velmora {

inline constexpr size_t kNotesLineMaxCharacters = 1024;
inline constexpr size_t kNotesTypingLimitCharacters = 1024;

std::filesystem::path notesPathFor(const std::filesystem::path& recordingPath);

// Reads the notes as the editor shows them. A missing file is created empty first (opening
// the editor leaves an empty notes file). Nothing when the file cannot be read.
std::optional<std::string> loadNotes(const std::filesystem::path& notesPath);

// Writes the editor's text: every line (at most 1024 characters) followed by a line end.
// On failure shows msg::NotesNotSaved and leaves the previous file whole.
bool saveNotes(const std::filesystem::path& notesPath, const std::string& text, Interaction& ui);

// The file's bytes for an editor text (exposed for tests).
std::string notesFileBytes(const std::string& text);

}  // namespace velmora
