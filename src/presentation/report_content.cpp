#include "presentation/report_content.h"

#include "clients/companion_path.h"
#include "core/atomic_file.h"
#include "core/file_times.h"
#include "core/text_codec.h"

namespace velmora {

namespace {
// Only the first 20 lines are printed; a larger file is read no further than this.
constexpr size_t kNotesReadLimitBytes = 64 * 1024;
}  // namespace

std::filesystem::path reportNotesPath(const std::filesystem::path& recordingPath) {
  return companionPath(recordingPath, "txt");
}

bool notesFileExists(const std::filesystem::path& recordingPath) {
  std::error_code ec;
  return std::filesystem::is_regular_file(reportNotesPath(recordingPath), ec);
}

ReportContent gatherReportContent(const ReportSource& source) {
  ReportContent c;
  c.headerText = reportHeaderText(readReportInfo(source.workingFolder));
  std::optional<CalendarDate> date;
  if (const auto t = fileTime(source.recordingPath)) date = dateOfSeconds(static_cast<int32_t>(t->seconds));
  c.titleLine = reportTitleLine(source.viewTitle, source.client.has_value(), source.fileNumber, date, source.language);
  if (source.client) {
    c.personal = layoutPersonalInfo(*source.client, source.language, kPageGraphLeft, kPageGraphWidth);
    c.personalHeight = c.personal->height;
  } else {
    c.personalHeight = kOtherFilesPersonalHeight;
  }
  std::string bytes;
  // A notes file larger than the limit is read up to it: the printed lines come first.
  if (readSmallFile(reportNotesPath(source.recordingPath), bytes, kNotesReadLimitBytes) || !bytes.empty())
    c.noteLines = wrapNotes(decodeFileText(bytes));
  return c;
}

}  // namespace velmora
