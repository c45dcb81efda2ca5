#include "presentation/command_states.h"

#include "presentation/command_ids.h"

namespace velmora {

bool recordingMenusEnabled(const FrameState& s) { return s.clientOpen(); }

CommandState commandState(int id, const FrameState& s) {
  const bool idle = !s.recording && !s.playing;
  switch (id) {
    // "Other Files" is no client: it has no record to show and nothing to delete.
    case cmd::PersonalInformation: return {s.clientOpen() && s.clientCode != kOtherFilesCode, false};
    case cmd::DeleteClient: return {s.clientOpen() && s.clientCode != kOtherFilesCode && idle, false};
    case cmd::OpenRecording:
    case cmd::Spectrogram:
    case cmd::PowerSpectrum:
      return {s.clientOpen(), false};
    case cmd::Play: return {s.loaded, s.playing};
    case cmd::Record: return {s.mode != ModeEmpty && !s.playing, s.recording};
    case cmd::Zoom: return {s.zoomed || s.hasSelection, s.zoomed};
    case cmd::DeleteRecording: return {s.loaded && idle, false};
    case cmd::SaveChanges: return {s.loaded && s.modified, false};
    case cmd::Properties: return {s.loaded, false};
    case cmd::PrintPreview:
    case cmd::ExportBitmap:
    case cmd::ExportReportPdf:
    case cmd::Print: return {s.loaded && idle, false};
    case cmd::VoiceReport: return {s.loaded && idle, false};
    case cmd::RecordSettings: return {!s.recording, false};
    case cmd::EditNotes: return {s.loaded && s.recordingNumber != -1, false};
    case cmd::CleanTexts: return {s.mode >= ModeSpectrogram && idle && s.recordingNumber != -1, false};
    case cmd::ExportLabels:
    case cmd::ImportLabels: return {s.loaded && s.mode >= ModeSpectrogram && idle, false};
    case cmd::F0Setting:
    case cmd::HelpContents:
    case cmd::Backup:
    case cmd::PrintSetup:
    case cmd::About: return {idle, false};
    case cmd::Import: return {idle && s.clientCode != kOtherFilesCode, false};
    case cmd::CloseComparison: return {s.comparisonShown, false};
    case cmd::CompareWithFile:
    case cmd::OpenModel:
    case cmd::SaveAsModel: return {s.loaded && !s.recording, false};
    case cmd::LanguageEnglish: return {!s.recording, s.language == English};
    case cmd::LanguageKorean: return {!s.recording, s.language == Korean};
    case cmd::Cut: return {s.hasSelection && !s.selectionSpansPane, false};
    case cmd::Copy:
    case cmd::Silence: return {!s.zoomed && s.hasSelection && !s.recording, false};
    case cmd::Paste: return {s.canPaste, false};
    case cmd::Undo: return {s.canUndo, false};
    case cmd::SelectAll: return {s.loaded && !s.zoomed && !s.recording && !s.playing, false};
    default: return {true, false};
  }
}

}  // namespace velmora
