#include "presentation/report_layout.h"

#include "core/language.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"

namespace velmora {

PrintOptions defaultPrintOptions(bool notesFileExists) {
  PrintOptions o;
  o.notes = notesFileExists;
  return o;
}

PageMapping textMapping(double dpiX, double dpiY) {
  PageMapping m;
  m.windowWidth = 100;
  m.windowHeight = 120;
  m.viewportWidth = dpiX / 300.0 * 302.0;
  m.viewportHeight = dpiY / 300.0 * 300.0;
  m.originX = 0;
  m.originY = -80;
  return m;
}

PageMapping graphMapping(bool landscape, double dpiX, double dpiY) {
  PageMapping m;
  if (landscape) {
    m.windowWidth = 110;
    m.windowHeight = 100;
    m.viewportWidth = dpiX / 300.0 * 400.0;
    m.viewportHeight = dpiY / 300.0 * 250.0;
    // Moved right as the landscape texts are. (An origin of 231 would put the blocks, which
    // start at x = 40, off the left edge of the page.)
    m.originX = -kLandscapeShift;
  } else {
    m.windowWidth = 100;
    m.windowHeight = 120;
    m.viewportWidth = dpiX / 300.0 * 302.0;
    m.viewportHeight = dpiY / 300.0 * 300.0;
    m.originX = 0;
  }
  m.originY = -90;
  return m;
}

int footOriginY(bool landscape) { return landscape ? -930 : -1230; }

double graphDrop(const PrintOptions& options, int personalHeight, int reportedNoteLines, bool f0OrFormantShown) {
  double drop = 0;
  if (options.personalInformation) drop += personalHeight;
  if (options.notes) {
    drop += 17.5 * reportedNoteLines;
    drop += f0OrFormantShown ? 30 : -20;
    if (reportedNoteLines == 0) drop -= 50;
  } else {
    drop -= 50;
  }
  if (!options.personalInformation && !options.notes) drop -= 50;
  return drop;
}

std::string reportHeaderText(const std::optional<ReportInfo>& info) {
  if (!info) return {};
  std::string text = info->clinicName;
  if (!info->registration.empty()) text += tr(str::RegistrationPrefix) + info->registration;
  return text;
}

std::string reportTitleLine(const std::string& viewTitle, bool withClient, int fileNumber,
                            std::optional<CalendarDate> date, int language) {
  std::string line = withClient ? tr(str::ClientPrefix) + viewTitle : viewTitle;
  const std::string fileWord = tr(str::FileWord);
  if (const size_t at = line.find(fileWord); !fileWord.empty() && at != std::string::npos) line.erase(at);
  if (!date) return line;
  const CalendarDate& d = *date;
  const std::string format = tr(str::PrintedFileDate);
  if (language == English) return line + formatv(format, fileNumber, d.month, d.day, d.year);
  if (language == Korean) return line + formatv(format, fileNumber, d.year, d.month, d.day);
  return line + formatv(format, fileNumber, d.day, d.month, d.year);
}

}  // namespace velmora
