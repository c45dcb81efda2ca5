#include "notes/notes_file.h"

#include <fcntl.h>
#include <unistd.h>

#include "clients/companion_path.h"
#include "core/atomic_file.h"
#include "core/message_ids.h"
#include "core/private_files.h"
#include "core/text_codec.h"

namespace velmora {

namespace {
constexpr size_t kMaxNotesFileBytes = 16u << 20;

// Byte length of the first `characters` UTF-8 characters of `line`.
size_t prefixBytes(const std::string& line, size_t characters) {
  size_t count = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) {
      if (count == characters) return i;
      ++count;
    }
  }
  return line.size();
}
}  // namespace

std::filesystem::path notesPathFor(const std::filesystem::path& recordingPath) { return companionPath(recordingPath, "txt"); }

std::optional<std::string> loadNotes(const std::filesystem::path& notesPath) {
  std::error_code ec;
  if (!std::filesystem::exists(notesPath, ec)) {
    const int fd = openPrivateFile(notesPath, O_WRONLY | O_CREAT);
    if (fd < 0) return std::nullopt;
    ::close(fd);
    return std::string();
  }
  std::string bytes;
  if (!readSmallFile(notesPath, bytes, kMaxNotesFileBytes)) return std::nullopt;
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      text += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      text += bytes[i];
    }
  }
  // The line end written after the last line is not part of the text.
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return decodeFileText(text);
}

std::string notesFileBytes(const std::string& text) {
  if (text.empty()) return {};
  std::string out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    out.append(line, 0, prefixBytes(line, kNotesLineMaxCharacters));
    out += '\n';
    start = end + 1;
  }
  return out;
}

bool saveNotes(const std::filesystem::path& notesPath, const std::string& text, Interaction& ui) {
  if (writeFileAtomically(notesPath, notesFileBytes(text))) return true;
  showMessage(ui, msg::NotesNotSaved);
  return false;
}

}  // namespace velmora
