#pragma once
// The printed page's arithmetic, apart from any painter: the options the print dialog
// keeps, the logical-to-device mappings of the page, the header and title texts, and where
// the graph starts below the personal-information and notes blocks.
//
// Sequence of a page: textMapping() for the header line and the title line; graphMapping()
// for the blocks; footOriginY() for the foot; graphMapping() again with its vertical origin
// at -graphDrop() for the panes.
#include <optional>
#include <string>

#include "clients/recordings_list.h"
#include "core/report_info.h"

namespace velmora {

struct PrintOptions {
  bool grayScale = true;
  bool personalInformation = true;
  bool notes = true;
  // The key voice measures of the selection (or the whole recording) below the panes.
  bool voiceReport = false;
};

// Notes default to on when the recording's notes file exists; without it they are off
// (and the dialog's box disabled).
PrintOptions defaultPrintOptions(bool notesFileExists);

// An anisotropic mapping: logical point p lands on device (p - origin) * viewport / window.
struct PageMapping {
  int windowWidth = 100;
  int windowHeight = 120;
  double viewportWidth = 0;
  double viewportHeight = 0;
  int originX = 0;
  int originY = 0;
  double scaleX() const { return viewportWidth / windowWidth; }
  double scaleY() const { return viewportHeight / windowHeight; }
};

inline constexpr int kPageGraphLeft = 40;
inline constexpr int kPageGraphWidth = 723;
inline constexpr int kPageSpectralTop = 350;
// Landscape moves the texts and the panes this far right.
inline constexpr int kLandscapeShift = 25;
// Reserved for the personal information of the "Other Files" pseudo-client.
inline constexpr int kOtherFilesPersonalHeight = 100;

PageMapping textMapping(double dpiX, double dpiY);
PageMapping graphMapping(bool landscape, double dpiX, double dpiY);
int footOriginY(bool landscape);
inline int landscapeShift(bool landscape) { return landscape ? kLandscapeShift : 0; }

// How far down the panes are drawn: the personal-information block's height when printed,
// 17.5 units per reported line of notes, 30 back with the F0 or formant pane shown, else 20
// up; 50 up with no line of notes, 50 up with notes off and another 50 with both off.
double graphDrop(const PrintOptions& options, int personalHeight, int reportedNoteLines, bool f0OrFormantShown);

// The practice's name, followed by "  Reg.: " and the number when there is one.
std::string reportHeaderText(const std::optional<ReportInfo>& info);

// The title line: "Client: " and the view's title (the title alone for "Other Files"), cut
// where "File" first occurs, then " File %d - Date: ..." with the date in the language's
// order (month, day, year in English; year, month, day in Korean; day, month, year else)
// when the recording's time is known.
std::string reportTitleLine(const std::string& viewTitle, bool withClient, int fileNumber,
                            std::optional<CalendarDate> date, int language);

}  // namespace velmora
