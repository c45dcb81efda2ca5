#include "core/report_info.h"

#include <cstdint>

#include "core/atomic_file.h"
#include "core/text_codec.h"

namespace velmora {

namespace {
constexpr size_t kMaxReportFileBytes = 16u << 20;  // two short texts; anything larger is damage

void appendLE(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool readLE(const std::string& in, size_t& offset, int bytes, uint64_t& value) {
  if (offset > in.size() || in.size() - offset < static_cast<size_t>(bytes)) return false;
  value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(in[offset + static_cast<size_t>(i)]);
  offset += static_cast<size_t>(bytes);
  return true;
}
}  // namespace

std::string encodeArchiveString(const std::string& text) {
  std::string out;
  const size_t n = text.size();
  if (n < 255) {
    appendLE(out, n, 1);
  } else if (n < 0xFFFE) {
    appendLE(out, 0xFF, 1);
    appendLE(out, n, 2);
  } else {
    appendLE(out, 0xFF, 1);
    appendLE(out, 0xFFFF, 2);
    appendLE(out, n, 4);
  }
  return out + text;
}

std::optional<std::string> decodeArchiveString(const std::string& bytes, size_t& offset) {
  uint64_t length = 0;
  if (!readLE(bytes, offset, 1, length)) return std::nullopt;
  if (length == 0xFF) {
    if (!readLE(bytes, offset, 2, length)) return std::nullopt;
    if (length == 0xFFFF && !readLE(bytes, offset, 4, length)) return std::nullopt;
  }
  if (length > bytes.size() - offset) return std::nullopt;
  std::string text = bytes.substr(offset, static_cast<size_t>(length));
  offset += static_cast<size_t>(length);
  return decodeFileText(text);
}

std::optional<ReportInfo> readReportInfo(const std::filesystem::path& folder) {
  std::string bytes;
  if (!readSmallFile(folder / kReportInfoFile, bytes, kMaxReportFileBytes)) return std::nullopt;
  size_t offset = 0;
  auto name = decodeArchiveString(bytes, offset);
  if (!name) return std::nullopt;
  auto reg = decodeArchiveString(bytes, offset);
  if (!reg) return std::nullopt;
  return ReportInfo{*name, *reg};
}

bool writeReportInfo(const std::filesystem::path& folder, const ReportInfo& info) {
  return writeFileAtomically(folder / kReportInfoFile, encodeArchiveString(info.clinicName) + encodeArchiveString(info.registration));
}

}  // namespace velmora
