#pragma once
// Praat TextGrid files, the text form ("ooTextFile"), for exchanging labels with Praat.
//
// Writing gives the long form with one interval tier; the stretches between the given
// intervals become empty intervals, so the tier covers xmin..xmax without a gap, as Praat
// requires. Reading takes the long or the short form, in UTF-8 (with or without a byte
// order mark), UTF-16 with a byte order mark (what Praat writes for non-ASCII texts) or
// Windows-1252, and returns the first interval tier. Every count is checked against what
// the file holds; a damaged file gives an error, never a partial tier.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr size_t kTextGridReadBytes = 64u << 20;

struct TextGridInterval {
  double xmin = 0;
  double xmax = 0;
  std::string text;  // UTF-8
};

// `intervals` sorted, not overlapping and inside xmin..xmax.
std::string formatTextGrid(double xmin, double xmax, const std::string& tierName,
                           const std::vector<TextGridInterval>& intervals);

enum class TextGridError { None, Unreadable, NotATextGrid, Damaged, NoIntervalTier };

struct TextGridTier {
  TextGridError error = TextGridError::None;
  double xmin = 0;
  double xmax = 0;
  std::string name;
  std::vector<TextGridInterval> intervals;
};

TextGridTier parseFirstIntervalTier(std::string_view bytes);
TextGridTier readFirstIntervalTier(const std::filesystem::path& path);
const char* textGridErrorText(TextGridError error);

}  // namespace velmora
