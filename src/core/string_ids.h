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

// The Compare window
inline constexpr int CompareTitle = 260;          // "Compare"
inline constexpr int LimitLabel = 261;            // "Limit:"
inline constexpr int LimitEntry = 262;            // "%d Hz   " (an entry of its limit list)

// The screen
inline constexpr int DisplaySettingsProgram = 221;  // "Display.exe"

// The voice report (Mode menu, its dialog and the printed page); Row*: its rows, in order
inline constexpr int VoiceReportItem = 64100;     // "Voice Report..."
inline constexpr int VoiceReportTitle = 64101;    // "Voice Report"
inline constexpr int VoiceReportCalculating = 64102;// "Calculating the voice report..."
inline constexpr int VoiceReportMeasure = 64103;  // "Measure"
inline constexpr int VoiceReportValue = 64104;    // "Value"
inline constexpr int VoiceReportUnit = 64105;     // "Unit"
inline constexpr int VoiceReportUsualRange = 64106;// "Usual range"
inline constexpr int VoiceReportCopy = 64107;     // "Copy"
inline constexpr int VoiceReportSaveCsv = 64108;  // "Save as CSV..."
inline constexpr int VoiceReportClose = 64109;    // "Close"
inline constexpr int CsvFileFilter = 64110;       // "CSV File (*.csv)|*.csv|"
inline constexpr int VoiceReportNoPeriods = 64111;// "No periods: the span holds no voice."
inline constexpr int VoiceReportTooShort = 64112; // "The span is shorter than three periods: select a longer part of the voice."
inline constexpr int VoiceReportRangesFor = 64113;// "Usual ranges for: %s"
inline constexpr int VoiceReportAdultMen = 64114; // "adult men"
inline constexpr int VoiceReportAdultWomen = 64115;// "adult women"
inline constexpr int VoiceReportAdults = 64117;   // "adults"
inline constexpr int PrintVoiceReport = 64118;       // "Voice Report" (the print options check box)
inline constexpr int RowStart = 64120;            // "Start"
inline constexpr int RowEnd = 64121;              // "End"
inline constexpr int RowF0Median = 64122;         // "Median F0"
inline constexpr int RowF0Mean = 64123;           // "Mean F0"
inline constexpr int RowF0Sd = 64124;             // "F0 standard deviation"
inline constexpr int RowF0Min = 64125;            // "Minimum F0"
inline constexpr int RowF0Max = 64126;            // "Maximum F0"
inline constexpr int RowPulses = 64127;           // "Number of pulses"
inline constexpr int RowPeriods = 64128;          // "Number of periods"
inline constexpr int RowUnvoicedFrames = 64129;   // "Locally unvoiced frames"
inline constexpr int RowVoiceBreaks = 64130;      // "Number of voice breaks"
inline constexpr int RowVoiceBreakLength = 64131; // "Length of voice breaks"
inline constexpr int RowJitterLocal = 64132;      // "Jitter (local)"
inline constexpr int RowJitterAbsolute = 64133;   // "Jitter (local, absolute)"
inline constexpr int RowJitterRap = 64134;        // "Jitter (RAP)"
inline constexpr int RowJitterPpq5 = 64135;       // "Jitter (PPQ5)"
inline constexpr int RowJitterDdp = 64136;        // "Jitter (DDP)"
inline constexpr int RowShimmerLocal = 64137;     // "Shimmer (local)"
inline constexpr int RowShimmerDb = 64138;        // "Shimmer (local, dB)"
inline constexpr int RowShimmerApq3 = 64139;      // "Shimmer (APQ3)"
inline constexpr int RowShimmerApq5 = 64140;      // "Shimmer (APQ5)"
inline constexpr int RowShimmerApq11 = 64141;     // "Shimmer (APQ11)"
inline constexpr int RowShimmerDda = 64142;       // "Shimmer (DDA)"
inline constexpr int RowHnr = 64143;              // "Mean harmonics-to-noise ratio"
inline constexpr int RowCpps = 64144;             // "Smoothed cepstral peak prominence (CPPS)"

}  // namespace velmora::str
