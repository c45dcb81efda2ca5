#pragma once
// The two optional blocks of a printed page, laid out as placed texts and lines for the
// painter: the client's personal information and the recording's notes.
#include <string>
#include <vector>

#include "clients/client_record.h"

namespace velmora {

enum class ReportFont { Title, Label, Value, Notes };

struct PlacedText {
  int x = 0;
  int y = 0;
  ReportFont font = ReportFont::Value;
  std::string text;  // UTF-8
};

struct PlacedLine {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct PersonalInfoBlock {
  std::vector<PlacedText> texts;
  std::vector<PlacedLine> frame;
  int height = 0;  // 144 + 30 per row used below the name
};

// The block at left edge x for a graph of graphWidth; a label and its value only for a
// field that is not empty. The birth date follows the language's order.
PersonalInfoBlock layoutPersonalInfo(const ClientRecord& client, int language, int x, int graphWidth);

inline constexpr size_t kNotesLineCharacters = 89;
inline constexpr size_t kNotesMaxLines = 20;

// The notes' lines as printed: carriage returns dropped, a new line at each line feed and
// before a word that would run past 89 characters, at most 20 lines. A word longer than a
// whole line is broken at 89 characters. No text: no lines.
std::vector<std::u32string> wrapNotes(const std::string& utf8Text);

}  // namespace velmora
