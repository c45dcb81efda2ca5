#include "clients/recordings_list.h"

#include <algorithm>
#include <chrono>
#include <fstream>

#include "clients/client_folders.h"
#include "clients/date_file.h"
#include "core/file_times.h"
#include "core/language.h"
#include "core/message_ids.h"
#include "core/string_ids.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

CalendarDate civilFromDays(int64_t days) {
  const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{days}}};
  return CalendarDate{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                      static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::optional<fs::path> find(const fs::path& folder, int number, RecordingPrefix prefix, const char* ext) {
  return findFileIgnoringCase(folder, recordingFileName(number, prefix, ext));
}

int32_t fileSeconds(const fs::path& path) {
  auto t = fileTime(path);
  return t ? static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(t->seconds))) : 0;
}
}  // namespace

CalendarDate dateOfSeconds(int32_t secondsSince1970) {
  int64_t s = secondsSince1970;
  int64_t days = s >= 0 ? s / 86400 : -((-s + 86399) / 86400);
  return civilFromDays(days);
}

std::optional<RecordingEntry> detectRecording(Interaction& ui, const fs::path& workingFolder, int clientCode, int number) {
  const fs::path folder = clientFolder(workingFolder, clientCode);
  const auto wav = find(folder, number, RecordingPrefix::Wv, "wav");
  const auto qv = find(folder, number, RecordingPrefix::Qv, "wav");
  auto placeholder = find(folder, number, RecordingPrefix::Wv, "bkp");
  if (!placeholder) placeholder = find(folder, number, RecordingPrefix::Qv, "bkp");
  const auto dateFile = find(folder, number, qv ? RecordingPrefix::Qv : RecordingPrefix::Wv, "ddt");
  if (!wav && !qv && !placeholder) return std::nullopt;

  RecordingEntry entry;
  entry.number = number;
  std::optional<int32_t> seconds;
  if ((wav || qv) && dateFile) {
    std::ifstream probe(*dateFile, std::ios::binary);
    if (!probe) showMessage(ui, msg::DateFileUnreadable);
    else seconds = readDateFile(*dateFile);
  }
  if (!seconds) {
    if (qv) seconds = fileSeconds(*qv);
    else if (wav) seconds = fileSeconds(*wav);
    else seconds = fileSeconds(*placeholder);
  }
  entry.date = dateOfSeconds(*seconds);

  const bool dated = dateFile.has_value();
  if (wav) entry.state = dated ? RecordingState::WvDated : RecordingState::WvUndated;
  else if (placeholder) entry.state = RecordingState::SentToBackup;
  else entry.state = dated ? RecordingState::QvDated : RecordingState::QvUndated;
  return entry;
}

std::string recordingRowText(const RecordingEntry& entry, int language) {
  const CalendarDate& d = entry.date;
  std::string format = tr(str::RecordingRow);
  switch (language) {
    case Spanish:
    case Portuguese: return formatv(format, d.day, d.month, d.year, entry.number);
    case Korean:
      // Without a Korean catalog the English pattern would pad the year as a day; give the
      // year its four digits in the same layout.
      if (format == StringTable::englishText(str::RecordingRow)) format = "%04d/%02d/%02d File %d";
      return formatv(format, d.year, d.month, d.day, entry.number);
    default: return formatv(format, d.month, d.day, d.year, entry.number);
  }
}

std::vector<RecordingRow> listRecordings(Interaction& ui, const fs::path& workingFolder, int clientCode, int language) {
  std::vector<RecordingRow> rows;
  // Recording 150 is listed too: a client may hold it and it must be possible to open it.
  for (int n = kFirstRecordingNumber; n <= kMaxRecordingNumber; ++n) {
    if (auto entry = detectRecording(ui, workingFolder, clientCode, n)) rows.push_back({*entry, recordingRowText(*entry, language)});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const RecordingRow& a, const RecordingRow& b) {
    if (a.entry.date.sortKey() != b.entry.date.sortKey()) return a.entry.date.sortKey() > b.entry.date.sortKey();
    return a.entry.number > b.entry.number;
  });
  return rows;
}

fs::path recordingPathForState(const fs::path& workingFolder, int clientCode, int number, RecordingState state) {
  const bool qv = state == RecordingState::QvDated || state == RecordingState::QvUndated;
  return recordingPath(workingFolder, clientCode, number, qv ? RecordingPrefix::Qv : RecordingPrefix::Wv);
}

}  // namespace velmora
