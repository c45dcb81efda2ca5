#pragma once
// The label file beside a recording (its path with "mrk" for "wav"): text without line
// ends, every field followed by ";;". First the number of labels, then five fields per
// label: zoomStart, zoomEnd, startSample, endSample as decimal integers, and the text.
//
//   1;;0;;88200;;22050;;26460;;vowel a;;
//
// Reading: a field ends at the first ";;"; an empty field or one cut off by the end of the
// file is missing. A missing count means no labels; a label whose number is missing or not
// a number, or whose text is missing, is skipped. At most 50 labels are kept, each text to
// its first 150 characters, read as UTF-8 or, when the bytes are not UTF-8, Windows-1252
// (files of the earlier program). Only the first kLabelFileReadBytes are looked at.
//
// Writing: the shown labels in slot order, UTF-8, through a temporary file renamed over
// the old one. With no label shown the file is removed instead.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/label_set.h"

namespace velmora {

inline constexpr size_t kLabelFileReadBytes = 1 << 20;

struct LabelFileContent {
  std::vector<TextLabel> labels;
  int skipped = 0;  // damaged labels left out
};

LabelFileContent parseLabelFile(std::string_view bytes);
std::string formatLabelFile(const LabelSet& labels);

// The file's labels; none when there is no file or it cannot be read.
std::optional<LabelFileContent> readLabelFile(const std::filesystem::path& path);
// Writes the shown labels, or removes the file when none is shown. False when the file
// could not be written or removed (the previous file is then whole).
bool storeLabelFile(const std::filesystem::path& path, const LabelSet& labels);

}  // namespace velmora
