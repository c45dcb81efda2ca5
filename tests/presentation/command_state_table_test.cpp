// The command states of the view's table, checked over every combination of the frame's
// state: each row is the rule as a therapist would read it from the table, not the code.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "clients/recording_names.h"
#include "presentation/command_ids.h"
#include "presentation/command_states.h"
#include "presentation/display_mode.h"

namespace velmora {
namespace {

struct Row {
  const char* name;
  int id;
  std::function<bool(const FrameState&)> enabled;
  std::function<bool(const FrameState&)> checked;
};

bool never(const FrameState&) { return false; }
bool idle(const FrameState& s) { return !s.playing && !s.recording; }

std::vector<Row> table() {
  return {
      {"Play", cmd::Play, [](const FrameState& s) { return s.loaded; }, [](const FrameState& s) { return s.playing; }},
      {"Record", cmd::Record, [](const FrameState& s) { return s.mode != ModeEmpty && !s.playing; },
       [](const FrameState& s) { return s.recording; }},
      {"Zoom +", cmd::Zoom, [](const FrameState& s) { return s.zoomed || s.hasSelection; },
       [](const FrameState& s) { return s.zoomed; }},
      {"Delete (file)", cmd::DeleteRecording, [](const FrameState& s) { return s.loaded && idle(s); }, never},
      {"Save Changes", cmd::SaveChanges, [](const FrameState& s) { return s.loaded && s.modified; }, never},
      {"Properties", cmd::Properties, [](const FrameState& s) { return s.loaded; }, never},
      {"Print Preview", cmd::PrintPreview, [](const FrameState& s) { return s.loaded && idle(s); }, never},
      {"Export graph", cmd::ExportBitmap, [](const FrameState& s) { return s.loaded && idle(s); }, never},
      {"Print", cmd::Print, [](const FrameState& s) { return s.loaded && idle(s); }, never},
      {"Record settings", cmd::RecordSettings, [](const FrameState& s) { return !s.recording; }, never},
      {"Edit Notes", cmd::EditNotes, [](const FrameState& s) { return s.loaded && s.recordingNumber != -1; }, never},
      {"Clean Texts", cmd::CleanTexts,
       [](const FrameState& s) { return s.mode >= ModeSpectrogram && idle(s) && s.recordingNumber != -1; }, never},
      {"F0 Setting", cmd::F0Setting, idle, never},
      {"Contents", cmd::HelpContents, idle, never},
      {"Backup", cmd::Backup, idle, never},
      {"Print Setup", cmd::PrintSetup, idle, never},
      {"About", cmd::About, idle, never},
      {"Personal Information", cmd::PersonalInformation,
       [](const FrameState& s) { return s.clientCode != kNoClient && s.clientCode != kOtherFilesCode; }, never},
      {"Delete (client)", cmd::DeleteClient,
       [](const FrameState& s) { return s.clientCode != kNoClient && s.clientCode != kOtherFilesCode && idle(s); },
       never},
      {"Import", cmd::Import, [](const FrameState& s) { return idle(s) && s.clientCode != kOtherFilesCode; }, never},
      {"Close (comparison)", cmd::CloseComparison, [](const FrameState& s) { return s.comparisonShown; }, never},
      {"Cut", cmd::Cut, [](const FrameState& s) { return s.hasSelection && !s.selectionSpansPane; }, never},
      {"Copy", cmd::Copy, [](const FrameState& s) { return !s.zoomed && s.hasSelection && !s.recording; }, never},
      {"Silence", cmd::Silence, [](const FrameState& s) { return !s.zoomed && s.hasSelection && !s.recording; },
       never},
      {"Paste", cmd::Paste, [](const FrameState& s) { return s.canPaste; }, never},
      {"Undo", cmd::Undo, [](const FrameState& s) { return s.canUndo; }, never},
      {"Select All", cmd::SelectAll,
       [](const FrameState& s) { return !s.zoomed && s.loaded && !s.recording && !s.playing; }, never},
  };
}

TEST(CommandStateTable, EveryRowHoldsInEveryStateOfTheFrame) {
  const int modes[] = {ModeEmpty, ModeLiveSpectrogram, ModeLivePowerSpectrum, ModeSpectrogram, ModePowerSpectrum};
  int states = 0;
  for (int bits = 0; bits < (1 << 12); ++bits) {
    for (int mode : modes) {
      FrameState s;
      s.loaded = bits & 1;
      s.modified = bits & 2;
      s.recording = bits & 4;
      s.playing = bits & 8;
      s.zoomed = bits & 16;
      s.hasSelection = bits & 32;
      s.comparisonShown = bits & 64;
      s.recordingNumber = (bits & 128) ? 3 : -1;
      s.clientCode = (bits & 256) ? kOtherFilesCode : 1;
      s.selectionSpansPane = bits & 512;
      s.canPaste = bits & 1024;
      s.canUndo = bits & 2048;
      s.mode = mode;
      ++states;
      for (const Row& row : table()) {
        const CommandState got = commandState(row.id, s);
        ASSERT_EQ(got.enabled, row.enabled(s)) << row.name << " enabled, state " << bits << " mode " << mode;
        ASSERT_EQ(got.checked, row.checked(s)) << row.name << " checked, state " << bits << " mode " << mode;
      }
    }
  }
  EXPECT_EQ(states, 4096 * 5);
}

}  // namespace
}  // namespace velmora
