#pragma once
// Everything a printed page says, gathered from the working folder: the header from
// "info_vl.dat", the title line with the recording's number and date, the personal
// information of a real client and the recording's notes as printed lines.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "clients/client_record.h"
#include "presentation/report_blocks.h"
#include "presentation/report_layout.h"

namespace velmora {

struct ReportSource {
  std::filesystem::path workingFolder;
  std::filesystem::path recordingPath;
  std::optional<ClientRecord> client;  // nothing: the "Other Files" pseudo-client
  std::string viewTitle;               // the frame's title ("Name  File - 3")
  int fileNumber = -1;
  int language = 0;
};

struct ReportContent {
  std::string headerText;
  std::string titleLine;
  std::optional<PersonalInfoBlock> personal;  // a real client's block
  int personalHeight = 0;                     // the block's height, or what "Other Files" reserves
  std::vector<std::u32string> noteLines;
  std::vector<std::string> voiceReportItems;  // filled by the caller when the page carries them
};

// The notes file beside a recording (its path with "txt" for the last three characters).
std::filesystem::path reportNotesPath(const std::filesystem::path& recordingPath);
bool notesFileExists(const std::filesystem::path& recordingPath);

ReportContent gatherReportContent(const ReportSource& source);

}  // namespace velmora
