#pragma once
// "info_vl.dat": the clinic name and registration number printed on reports, each stored as
// a length-prefixed string (one byte below 255; 255 and a 16-bit length below 65534;
// 255, 65535 and a 32-bit length above).
#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

inline constexpr const char* kReportInfoFile = "info_vl.dat";

struct ReportInfo {
  std::string clinicName;
  std::string registration;
};

std::string encodeArchiveString(const std::string& text);
// Decodes one string at `offset`, advancing it; nullopt when the bytes end early.
std::optional<std::string> decodeArchiveString(const std::string& bytes, size_t& offset);

// nullopt when the file is missing or damaged.
std::optional<ReportInfo> readReportInfo(const std::filesystem::path& folder);
bool writeReportInfo(const std::filesystem::path& folder, const ReportInfo& info);

}  // namespace velmora
