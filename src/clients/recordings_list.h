#pragma once
// The open client's recordings as the recordings list shows them: one entry per number that
// has a sound file or a backup placeholder, dated from its date file (or the file's time),
// newest first; recordings of the same day with the higher number first.
//
//   auto rows = listRecordings(ui, workingFolder, clientCode, language);
//   rows[i].text   -> "03/02/2024 File 1" (date order by language)
//   rows[i].state  -> icon; RecordingState::SentToBackup cannot be opened or deleted
//   recordingPathForState(workingFolder, code, rows[i].number, rows[i].state) -> the WAV to open
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "clients/recording_names.h"
#include "core/interaction.h"

namespace velmora {

enum class RecordingState {
  WvDated = 0,
  QvDated = 1,
  WvUndated = 2,
  QvUndated = 3,
  SentToBackup = 4,
};

struct CalendarDate {
  int year = 1970;
  int month = 1;
  int day = 1;
  int sortKey() const { return year * 10000 + month * 100 + day; }
  bool operator==(const CalendarDate&) const = default;
};

struct RecordingEntry {
  int number = 0;
  CalendarDate date;
  RecordingState state = RecordingState::WvDated;
};

struct RecordingRow {
  RecordingEntry entry;
  std::string text;
};

// UTC calendar date of seconds since 1970 (taken as a signed 32-bit value).
CalendarDate dateOfSeconds(int32_t secondsSince1970);

// Entry of one number, or nothing when neither a sound file nor a placeholder exists.
// An existing date file that cannot be opened shows msg::DateFileUnreadable.
std::optional<RecordingEntry> detectRecording(Interaction& ui, const std::filesystem::path& workingFolder,
                                              int clientCode, int number);

// "%02d/%02d/%04d File %d" with the date in the language's order (English month/day/year;
// Spanish and Portuguese day/month/year; Korean year/month/day).
std::string recordingRowText(const RecordingEntry& entry, int language);

// Every recording 1..150, sorted newest first.
std::vector<RecordingRow> listRecordings(Interaction& ui, const std::filesystem::path& workingFolder, int clientCode,
                                         int language);

// The WAV to open for a row: "qv" for the qv states, "wv" otherwise.
std::filesystem::path recordingPathForState(const std::filesystem::path& workingFolder, int clientCode, int number,
                                            RecordingState state);

}  // namespace velmora
