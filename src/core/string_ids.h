#pragma once
// Ids of the texts fetched with tr(): titles, captions, labels, list rows and printf-style
// formats. The English texts live in the string table; a translation catalog carries the
// same ids. Each comment quotes the English text. Message box texts are in message_ids.h.
namespace velmora::str {

// Status and wait texts
inline constexpr int CalculatingF0 = 105;         // "Calculating F0..."
inline constexpr int CalculatingFormants = 107;   // "Calculating Formants..."
inline constexpr int WaitPlease = 117;            // "Wait, Please..."
inline constexpr int WaitLabel = 199;             // "Wait:"
inline constexpr int FreeingData = 200;           // "Freeing Data..."
inline constexpr int Copying = 201;               // "Copying..."
inline constexpr int Decompressing = 202;         // "decompressing:"
inline constexpr int RemovingBackupFolder = 206;  // "Wait, Removing Backup Directory..."
inline constexpr int RestoringFiles = 207;        // "Wait, Restoring Files..."

// Window titles and the view's header
inline constexpr int ClientFileTitle = 164;       // "%s  File - %d" (client name, recording number)
inline constexpr int PathFileTitle = 165;         // "File - %s" (a file opened by path)
inline constexpr int TakeTitle = 166;             // "%s  File - %d" (client name, number of the take)
inline constexpr int SpectrogramTitle = 142;      // "Spectrogram"
inline constexpr int PowerSpectrumTitle = 143;    // "Power Spectrum"
inline constexpr int ModelCaption = 160;          // "Model"
inline constexpr int FileNumberCaption = 161;     // "File %d"
inline constexpr int FileCaption = 162;           // "File:" (no recording, or a take running)
inline constexpr int TimeCaption = 163;           // "Time: "
inline constexpr int FormatCaption = 176;         // "%d Hz, %d Bits"
inline constexpr int VolumeCaption = 179;         // "Vol"
inline constexpr int MicCaption = 180;            // "Mic"
inline constexpr int Version = 178;               // "version 4.2"
inline constexpr int MemoryMegabytes = 109;       // "%.1f MB"

// Menu items that change their text
inline constexpr int StopItem = 167;              // "&Stop"
inline constexpr int ZoomOutItem = 168;           // "Zoom -"

// Clients and their recordings
inline constexpr int DefaultClientName = 211;     // "default" (the "Other Files" pseudo-client)
inline constexpr int OtherFilesFolder = 189;      // "Other Files"
inline constexpr int ModelsFolder = 187;          // "%s\\Models" (the working folder)
inline constexpr int WavFileFilter = 188;         // "Sound File (*.wav)|*.wav|"
inline constexpr int InsertCaption = 114;         // "Insert" (the client dialog for a new client)
inline constexpr int ChangeCaption = 115;         // "Change" (the client dialog for an existing one)
inline constexpr int PersonalInformation = 118;   // "Personal Information"
inline constexpr int NameLabel = 119;             // "Name:"
inline constexpr int BirthDateLabel = 120;        // "Birth Date:"
inline constexpr int AddressLabel = 121;          // "Address:"
inline constexpr int CityLabel = 122;             // "City:"
inline constexpr int StateLabel = 123;            // "State:"
inline constexpr int ZipLabel = 124;              // "ZIP:"
inline constexpr int HomePhoneLabel = 125;        // "Home Phone:"
inline constexpr int WorkPhoneLabel = 126;        // "Work Phone:"
inline constexpr int ObservationsLabel = 127;     // "Obs.:"
inline constexpr int ClientHeader = 130;          // "Client"
inline constexpr int CodeHeader = 131;            // "Code"
inline constexpr int NameHeader = 132;            // "Name"
inline constexpr int DateHeader = 133;            // "Date"
inline constexpr int RecordingsTitle = 134;       // "%s - Files" (client name)
inline constexpr int RecordingRow = 175;          // "%02d/%02d/%04d File %d" (date in the language's order, number)

// Recording inputs
inline constexpr int LineInOption = 183;          // "Line In"
inline constexpr int LineInLabel = 57740;         // "Entrada de Linha"
inline constexpr int MicrophoneLabel = 57741;     // "Microfone"

// Printing and reports
inline constexpr int ClientPrefix = 108;          // "Client: "
inline constexpr int FileWord = 112;              // "File" (a printed title is cut where it first occurs)
inline constexpr int PrintPreview = 116;          // "Print Preview"
inline constexpr int PrintJobName = 170;          // "Print"
inline constexpr int PrintedFileDate = 171;       // " File %d - Date: %02d/%02d/%04d"
inline constexpr int PrintFootCredit = 172;       // "Printed with Velmora" (the page foot, left)
inline constexpr int PrintFootAddress = 173;      // "Voice analysis report" (the page foot, right)
inline constexpr int RegistrationPrefix = 222;    // "  Reg.: "
inline constexpr int ExportReportPdf = 223;       // "Export Report as PDF..."
inline constexpr int PdfFileFilter = 224;         // "PDF File (*.pdf)|*.pdf|"
inline constexpr int BitmapFileFilter = 225;      // "Bitmap (*.bmp)|*.bmp|"

// Backup and restore
inline constexpr int BackupClientsPrompt = 194;   // "Select the Clients You want to send to Backup:"
inline constexpr int AttachClientsPrompt = 195;   // "Select the Clients You Want to Attach Files:"
inline constexpr int TargetFolderTitle = 306;     // "Select the Target Directory:"
inline constexpr int SourceFolderTitle = 307;     // "Select the Source Directory:"
inline constexpr int RestoreBackupTitle = 1000;   // "Restore Backup...."
inline constexpr int CreateBackupTitle = 1003;    // "Create Backup..."

// The screen
inline constexpr int DisplaySettingsProgram = 221;  // "Display.exe"

// The main menu: titles and entries ("&" marks the access key)
inline constexpr int MenuClient = 3000;           // "&Client"
inline constexpr int MenuFiles = 3001;            // "&Files"
inline constexpr int MenuAudio = 3002;            // "&Audio"
inline constexpr int MenuEdit = 3003;             // "&Edit"
inline constexpr int MenuUpdateRate = 3004;       // "Update Rate"
inline constexpr int MenuMode = 3005;             // "&Mode"
inline constexpr int MenuSettings = 3006;         // "&Settings"
inline constexpr int MenuLanguage = 3007;         // "Language"
inline constexpr int MenuComparison = 3008;       // "Com&parison"
inline constexpr int MenuHelp = 3009;             // "&Help"
inline constexpr int NewClientItem = 3010;        // "&New..."
inline constexpr int OpenItem = 3011;             // "&Open..."
inline constexpr int PersonalInformationItem = 3012;// "P&ersonal Information..."
inline constexpr int DeleteItem = 3013;           // "&Delete"
inline constexpr int BackupItem = 3014;           // "&Backup..."
inline constexpr int ExitItem = 3015;             // "E&xit"
inline constexpr int SaveChangesItem = 3016;      // "&Save Changes..."
inline constexpr int ImportItem = 3017;           // "&Import..."
inline constexpr int EditNotesItem = 3018;        // "&Edit Notes..."
inline constexpr int CleanTextsItem = 3019;       // "Clean Texts"
inline constexpr int ExportLabelsItem = 3020;     // "Export Labels..."
inline constexpr int ImportLabelsItem = 3021;     // "Import Labels..."
inline constexpr int PropertiesItem = 3022;       // "P&roperties..."
inline constexpr int ExportBitmapItem = 3023;     // "Export graph as a bmp file..."
inline constexpr int PrintItem = 3024;            // "&Print..."
inline constexpr int PrintPreviewItem = 3025;     // "&Print Preview"
inline constexpr int PrintSetupItem = 3026;       // "P&rint Setup..."
inline constexpr int PlayItem = 3027;             // "&Play"
inline constexpr int RecordItem = 3028;           // "&Record"
inline constexpr int CutItem = 3029;              // "Cut"
inline constexpr int CopyItem = 3030;             // "&Copy"
inline constexpr int PasteItem = 3031;            // "&Paste"
inline constexpr int SelectAllItem = 3032;        // "&Select All"
inline constexpr int SilenceItem = 3033;          // "Silence"
inline constexpr int UndoItem = 3034;             // "&Undo"
inline constexpr int ZoomInItem = 3035;           // "&Zoom +"
inline constexpr int BufferBytesItem = 3036;      // "%d Bytes"
inline constexpr int VolumeItem = 3037;           // "Volume..."
inline constexpr int SpectrogramItem = 3038;      // "&Spectrogram"
inline constexpr int PowerSpectrumItem = 3039;    // "Power Spectrum"
inline constexpr int ReportItem = 3040;           // "&Report..."
inline constexpr int RecordSettingsItem = 3041;   // "Record..."
inline constexpr int F0SettingItem = 3042;        // "F0 Setting..."
inline constexpr int EnglishItem = 3043;          // "English"
inline constexpr int KoreanItem = 3044;           // "한국어 (Korean)"
inline constexpr int CompareWithFileItem = 3045;  // "Compare with File..."
inline constexpr int OpenModelItem = 3046;        // "Open Model..."
inline constexpr int SaveAsModelItem = 3047;      // "Save as a Model..."
inline constexpr int CloseItem = 3048;            // "Close"
inline constexpr int ContentsItem = 3049;         // "Contents..."
inline constexpr int AboutItem = 3050;            // "&About Velmora..."
inline constexpr int ToolbarTitle = 3051;         // "Toolbar"
inline constexpr int PopupPlayItem = 3052;        // "Play" (the waveform's context menu)

// The control bars: captions, entries and button tips
inline constexpr int ColorsButton = 3060;         // "Colors"
inline constexpr int UpdateRateLabel = 3061;      // "Update Rate"
inline constexpr int LimitLabel = 3062;           // "Limit"
inline constexpr int LtasBox = 3063;              // "LTAS"
inline constexpr int VisualisationLabel = 3064;   // "Visualisation"
inline constexpr int SolidEntry = 3065;           // "Solid"
inline constexpr int LineEntry = 3066;            // "Line"
inline constexpr int FftSizeLabel = 3067;         // "FFT Size"
inline constexpr int BandLabel = 3068;            // "Band"
inline constexpr int F0Box = 3069;                // "F0"
inline constexpr int FormantsBox = 3070;          // "Formants"
inline constexpr int SpectrogramBox = 3071;       // "Spectrogram"
inline constexpr int RecordGroup = 3072;          // "Record"
inline constexpr int RecordTip = 3073;            // "Record"
inline constexpr int PauseTip = 3074;             // "Pause"
inline constexpr int RateButton = 3075;           // "rate"
inline constexpr int PlaybackGroup = 3076;        // "Playback"
inline constexpr int PlayTip = 3077;              // "Play"
inline constexpr int GrayScaleEntry = 3078;       // "Gray-Scale"
inline constexpr int Colors1Entry = 3079;         // "Colors 1"
inline constexpr int Colors2Entry = 3080;         // "Colors 2"
inline constexpr int DarkBlueEntry = 3081;        // "Dark Blue"
inline constexpr int BlackEntry = 3082;           // "Black"
inline constexpr int DarkGreenEntry = 3083;       // "Dark Green"
inline constexpr int RedEntry = 3084;             // "Red"

}  // namespace velmora::str
