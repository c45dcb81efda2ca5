#pragma once
// Command identifiers of the main menu, the toolbar, the accelerators and the pop-up menus
// (the rate button's, the waveform pane's, a label's). The numbers are kept so every part of the
// program (and its translations) names a command the same way.
namespace velmora::cmd {

// Client
inline constexpr int NewClient = 32811;
inline constexpr int OpenClient = 32812;
inline constexpr int PersonalInformation = 32817;
inline constexpr int DeleteClient = 1040;
inline constexpr int Backup = 32806;
inline constexpr int Exit = 57665;
// Files
inline constexpr int OpenRecording = 32784;
inline constexpr int SaveChanges = 32792;
inline constexpr int DeleteRecording = 32791;
inline constexpr int Import = 32853;
inline constexpr int EditNotes = 32807;
inline constexpr int CleanTexts = 32851;
inline constexpr int Properties = 32882;
inline constexpr int ExportBitmap = 32801;
inline constexpr int Print = 57607;
inline constexpr int PrintPreview = 57609;
inline constexpr int PrintSetup = 57606;
// The printed page written to a PDF file, without a printer.
inline constexpr int ExportReportPdf = 32895;
// The labels as a Praat TextGrid, out and in.
inline constexpr int ExportLabels = 32893;
inline constexpr int ImportLabels = 32894;
// Audio
inline constexpr int Play = 32810;
inline constexpr int Record = 32841;
inline constexpr int Cut = 32819;
inline constexpr int Copy = 32820;
inline constexpr int Paste = 32821;
inline constexpr int SelectAll = 32828;
inline constexpr int Silence = 32823;
inline constexpr int Undo = 57643;
inline constexpr int Zoom = 32782;
inline constexpr int Buffer300 = 32835;
inline constexpr int Buffer600 = 32836;
inline constexpr int Buffer1200 = 32837;
inline constexpr int Volume = 32843;
// The rate button's menu: the sample rate of the next take.
inline constexpr int Rate11025 = 40124;
inline constexpr int Rate22050 = 40125;
inline constexpr int Rate44100 = 40126;
// The waveform pane's context menu: Play, and Play during a take.
inline constexpr int PopupPlay = 32780;
inline constexpr int PopupPlayTake = 32845;
// A label's menu in the label band.
inline constexpr int LabelEdit = 32846;
inline constexpr int LabelDelete = 32847;
inline constexpr int LabelMove = 32848;
// Mode
inline constexpr int Spectrogram = 32838;
inline constexpr int PowerSpectrum = 32839;
// Jitter, shimmer, HNR and CPPS of the selection or the whole recording.
inline constexpr int VoiceReport = 32896;
// Settings
inline constexpr int Report = 32809;
inline constexpr int RecordSettings = 32890;
inline constexpr int F0Setting = 32852;
inline constexpr int LanguageEnglish = 32891;
inline constexpr int LanguageKorean = 32892;
// Comparison
inline constexpr int CompareWithFile = 32873;
inline constexpr int CloseComparison = 32874;
inline constexpr int OpenModel = 32875;
inline constexpr int SaveAsModel = 32876;
// Help
inline constexpr int HelpContents = 32856;
inline constexpr int About = 57664;

}  // namespace velmora::cmd
