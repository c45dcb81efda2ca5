#pragma once
// Ids of the texts shown in message boxes and Yes/No questions: pass them to showMessage()
// or askYesNo(). The English texts live in the string table; a translation catalog carries the
// same ids, so a number never changes once given. Each comment quotes the English text, cut
// short with "..."; the names that start with Ask are Yes/No questions.
namespace velmora::msg {

// Start-up, the screen and the sound devices
inline constexpr int OleInitFailed = 100;             // "OLE initialization failed. ..."
inline constexpr int ScreenTooLarge = 101;            // "The screen resolution is higher than the options available!..."
inline constexpr int DisplaySettingsNotStarted = 103; // "Error Loading Video Setting Program!"
inline constexpr int ResolutionNotSet = 104;          // "It's not possible to set the resolution!"
inline constexpr int ResolutionChangeFailed = 140;    // "Error changing the screen resolution"
inline constexpr int AskRestartForResolution = 141;   // "You must restart your computer ...! ... restart now?"
// "It's not possible to initialize your Display Properties. ... High Color (16 bits) or higher"
inline constexpr int DisplayPropertiesUnavailable = 57694;
// "Velmora was not ended properly in the last utilisation. Please, reduce the screen update rate ..."
inline constexpr int LastRunNotEnded = 57706;
// "Verify if other Program is using the audio channel ...! Do you want to Continue?"
inline constexpr int AskAudioChannelBusy = 57707;
inline constexpr int AskMicInputMissing = 57708;      // "Mic. Input can't be found! Do You want to Continue?"
inline constexpr int InputNotDefined = 57709;         // "Warning! It's not Possible to Define the Selected Input!"
inline constexpr int SelectAudioInput = 57662;        // "Attention! Select the Audio Input in the ... Record Control!"
inline constexpr int VolumeControlNotStarted = 57716; // "Volume Control can't be Initialized!"
inline constexpr int InvalidFunction = 57663;         // "Invalid Function!" (a mode that draws nothing)
inline constexpr int AskExit = 57714;                 // "Are you sure you want to exit?"
// The "Attention!" question at start-up ("Velmora needs a different video resolution! ... Do you
// want to change the configuration now?"): a dialog of its own whose text the screen check builds.
inline constexpr int AskChangeScreen = 238;

// Clients and the client register
inline constexpr int SelectItem = 57646;              // "You need to select a Item!"
inline constexpr int ErrorReadingFile = 57647;        // "Error Reading File"
inline constexpr int AskDeleteClient = 57648;         // "Attention, All Information about this Client will be deleted!..."
inline constexpr int ClientFolderNotDeleted = 57649;  // "Client's folder can't be deleted!"
inline constexpr int TypeNameToSearch = 57650;        // "Type the Client's name you want to search!"
inline constexpr int ClientNotFound = 57651;          // "Client not found!"
inline constexpr int ClientFolderInaccessible = 57710;  // "Error Accessing Client's folder !"
inline constexpr int UndefinedType = 57711;           // "Undefined Type!" (a client type outside 0..3)
inline constexpr int DatabaseError = 57712;           // "Error Accessing Database!"
inline constexpr int TooManyRecordings = 57713;       // "Number of files exceeds to 150! Insert a new client ..."
inline constexpr int InvalidDay = 57717;              // "Invalid Day !"
inline constexpr int InvalidMonth = 57718;            // "Invalid Month !"
inline constexpr int InvalidYear = 57719;             // "Invalid Year Range: 1890 to 2050"
inline constexpr int NameMissing = 57720;             // "You need to type the client's name!"
inline constexpr int TypeMissing = 57721;             // "The Client is Man/Woman, Singer or Child?"
inline constexpr int YearNeedsFourDigits = 57722;     // "Invalid Year (it must have 4 digits) Sample.: 1974"
inline constexpr int ClientFolderExists = 57723;      // "The Client's Folder already exist"
inline constexpr int SelectAtLeastOneClient = 57724;  // "It's necessary to select at least one client!"
inline constexpr int RegisterNotFound = 57742;        // "File not found!" (the register is missing or unreadable)
inline constexpr int RegisterInvalid = 57743;         // "Invalid File!" (not a register, or a damaged header)
inline constexpr int RegisterNoMemory = 57744;        // "Error - There is no free memory available!"

// A client's recordings
inline constexpr int SentToBackup = 57652;            // "This file was send to Backup! ... attach backup files ..."
inline constexpr int SelectFile = 57654;              // "Select a file!"
inline constexpr int AskDeleteRecording = 57655;      // "Attention, All Information about this File will be deleted!..."
inline constexpr int ErrorDeletingFile = 57656;       // "Error deleting File!"
inline constexpr int ErrorSavingFile = 57661;         // "Error Saving File!" (a date file or the report head)
inline constexpr int DateFileUnreadable = 57739;      // "Error Opening .ddt file!"

// Opening, importing and saving sound files
// "Attention: The Original File was recorded in Stereo Mode, ... save the file as Mono?"
inline constexpr int AskSaveStereoAsMono = 106;
inline constexpr int WavNotWritten = 210;             // "The %s file can't be recorded! Verify if the file is opened!"
inline constexpr int RateNotSupported = 57730;        // "File rate must be 44100 Hz, 22050 Hz or 11025 Hz!"
inline constexpr int Not16Bits = 57731;               // "The file must be 16 Bits"
inline constexpr int TakeNotSaved = 57732;            // "Error saving File." (a take not stored under its name)
inline constexpr int ModelNotSaved = TakeNotSaved;     // "Error saving File." (a model copy failed)
inline constexpr int FileNotOpened = 57733;           // "The file can't be opened!"
inline constexpr int FileImported = 57734;            // "File Imported Successfully!"
inline constexpr int ImportNot16Bits = 57736;         // "The File to be Imported should be 16 Bits! ..."
inline constexpr int ImportFailed = 57737;            // "Error Importing File!"
inline constexpr int OutOfMemory = 57738;             // "Error allocating Memory!"
// A rate conversion that failed (the import's resampler); the last one also goes to standard error.
inline constexpr int ConversionBufferFailed = 276;    // "Error Allocating Buffer"
inline constexpr int NoSimpleFactors = 277;           // "No simple factors for ratio"
inline constexpr int FilterTooDifficult = 278;        // "Filter design too difficult! "
inline constexpr int InterpolationNoMemory = 279;     // "cannot allocate space for interpolated data"
// The save question after a client's take ("Do you Want to save the actual File?"): a small
// dialog of its own whose text is not in the string table; the id names it to the interaction.
inline constexpr int AskKeepTake = 173;

// Editing and labels
inline constexpr int SelectArea = 57667;              // "You need to select an area!"
inline constexpr int LabelFileNotSaved = 57695;       // "Error saving File!" (the label file)
inline constexpr int TooManyLabels = 57696;           // "Max. number of texts!"

// Playback
inline constexpr int ErrorFreeingMemory = 57668;      // "Error freeing memory!"
inline constexpr int ErrorPlaying = 57669;            // "Error Playing Sound File!"
inline constexpr int LaterBlockNotPrepared = 57670;   // "Error WaveOutPrepareHeader" (a block queued while playing)
inline constexpr int RecordingTooShort = 57671;       // "File needs to have at least 0.5 seconds!"
inline constexpr int LoadingBufferFailed = 57672;     // "Error - Loading Buffer" (the first blocks)
inline constexpr int PlaybackNotOpened = 57705;       // "It was not possible to open the Playback channel!"

// Recording
inline constexpr int ErrorLoadingHeader = 57697;      // "Error Loading Header"
inline constexpr int CannotStartRecording = 57698;    // "It was not possible to start recording"
inline constexpr int NoFreeMemory = 57699;            // "There is no free memory available!"
inline constexpr int ErrorFreeingHeader = 57701;      // "Error Freeing Header!"
inline constexpr int ErrorWritingFile = 57702;        // "Error writing to file Verify if there is free space!"
inline constexpr int StopFailedReset = 57703;         // "Error stop recording - code: 001" (the device kept running)
inline constexpr int StopFailedClose = 57704;         // "Error stop recording - code: 002" (the device stayed open)
// "Velmora ended unexpectedly during a recording of %s. Do you want to keep the %.1f seconds ...?"
inline constexpr int AskKeepInterruptedTake = 60001;
inline constexpr int InterruptedTakeKept = 60002;     // "The interrupted recording was stored as %s"

// Notes
inline constexpr int NotesNotSaved = 174;             // "Error Saving Notes File!"

// Backup and restore
inline constexpr int BackupDone = 146;                // "Backup Done Successfully! The Backup Files are in the %s ..."
inline constexpr int BackupFailed = 147;              // "Backup Failed!"
inline constexpr int SelectBackupFolder = 148;        // "Select the Backup Directory!" (the working folder was chosen)
inline constexpr int ProcessFinished = 149;           // "Process Finished!"
inline constexpr int ProcessNotFinished = 150;        // "Process can't be Finished!"
inline constexpr int DatesFileMissing = 151;          // "Dates File can't be Found! The Restored Files will have ..."
inline constexpr int AskReplaceBackup = 152;          // "There is a Previous Backup In the Selected Directory. ...?"
inline constexpr int RegisterNotCopied = 153;         // "It's not possible to copy Pacw.dbf File! Backup Can't ..."
inline constexpr int RegisterNotInFolder = 154;       // "Pacw.dbf File is not in this Directory!"
inline constexpr int TemporaryFileNotCreated = 155;   // "Temporary File can't be Created!"
inline constexpr int DatesFileNotCreated = 156;       // "Dates File can't be Created!"
inline constexpr int TemporaryFileNotMade = 157;      // "It was not Possible Create Temporary File!"
inline constexpr int AskContinueWithoutDates = 158;   // "It's not Possible to Restore the sound files dates! ...?"
inline constexpr int BackupFolderNotRemoved = 159;    // "Backup Directory can't be Removed!"
// "Warning: The Directory can't to be the same which Velmora is Installed! Select or Create a New Directory!"
inline constexpr int TargetIsWorkingFolder = 57674;
// "It was not possible to get the creation date of %s file. Do you want to continue?"
inline constexpr int AskContinueWithoutCreationDate = 197;
// "%s File can't be decompressed! Verify If There is Free Space Available! ... Continue?"
inline constexpr int AskContinueNotDecompressed = 198;
inline constexpr int OriginalDateUnreadable = 204;    // "It's not possible to get the original date of %s file"
inline constexpr int AskContinueFilesMissing = 205;   // "%s Files can't be found! Do you Want to Continue?"
inline constexpr int AskContinueCopyFailed = 208;     // "Error Coping %s File! Verify If There Is Free Space! ...?"

}  // namespace velmora::msg
