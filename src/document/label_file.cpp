#include "document/label_file.h"

#include <charconv>
#include <fstream>
#include <system_error>

#include "core/atomic_file.h"
#include "core/text_codec.h"

namespace velmora {

namespace {

// Walks the fields of a label file. A field is missing (nullopt) when it is empty or the
// file ends before its ";;"; after such an end every further field is missing too.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::string_view> next() {
    if (pos_ >= bytes_.size()) return std::nullopt;
    const size_t end = bytes_.find(";;", pos_);
    if (end == std::string_view::npos) {
      pos_ = bytes_.size();
      return std::nullopt;
    }
    const std::string_view field = bytes_.substr(pos_, end - pos_);
    pos_ = end + 2;
    if (field.empty()) return std::nullopt;
    return field;
  }
  bool atEnd() const { return pos_ >= bytes_.size(); }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

std::optional<int32_t> number(std::optional<std::string_view> field) {
  if (!field) return std::nullopt;
  int32_t value = 0;
  const char* first = field->data();
  const char* last = first + field->size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last) return std::nullopt;
  return value;
}

// The stored text as the program keeps it: ends at a zero byte (the earlier program kept
// zero-terminated texts), decoded, cleaned and cut to 150 characters.
std::string labelText(std::string_view raw) {
  raw = raw.substr(0, raw.find('\0'));
  return cleanLabelText(decodeFileText(raw));
}

void appendNumberField(std::string& out, int32_t value) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, ec == std::errc() ? end : digits);
  out += ";;";
}

}  // namespace

LabelFileContent parseLabelFile(std::string_view bytes) {
  LabelFileContent content;
  FieldReader fields(bytes);
  const std::optional<int32_t> count = number(fields.next());
  if (!count || *count <= 0) return content;
  for (int32_t i = 0; i < *count && content.labels.size() < kLabelSlots && !fields.atEnd(); ++i) {
    const std::optional<int32_t> zoomStart = number(fields.next());
    const std::optional<int32_t> zoomEnd = number(fields.next());
    const std::optional<int32_t> start = number(fields.next());
    const std::optional<int32_t> end = number(fields.next());
    const std::optional<std::string_view> rawText = fields.next();
    std::string text = rawText ? labelText(*rawText) : std::string();
    if (!zoomStart || !zoomEnd || !start || !end || text.empty()) {
      ++content.skipped;
      continue;
    }
    TextLabel label;
    label.zoom = {*zoomStart, *zoomEnd};
    label.samples = {*start, *end};
    label.text = std::move(text);
    content.labels.push_back(std::move(label));
  }
  return content;
}

std::string formatLabelFile(const LabelSet& labels) {
  std::string out;
  appendNumberField(out, static_cast<int32_t>(labels.visibleCount()));
  for (const TextLabel& l : labels.entries()) {
    if (l.hidden) continue;
    appendNumberField(out, l.zoom.start);
    appendNumberField(out, l.zoom.end);
    appendNumberField(out, l.samples.start);
    appendNumberField(out, l.samples.end);
    out += cleanLabelText(l.text);
    out += ";;";
  }
  return out;
}

std::optional<LabelFileContent> readLabelFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(kLabelFileReadBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(in.gcount()));
  return parseLabelFile(bytes);
}

bool storeLabelFile(const std::filesystem::path& path, const LabelSet& labels) {
  if (labels.visibleCount() == 0) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !ec;
  }
  return writeFileAtomically(path, formatLabelFile(labels));
}

}  // namespace velmora
