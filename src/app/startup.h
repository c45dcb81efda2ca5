#pragma once
// Start-up, in order: working folder (--data DIR), language, screen check, main window
// (shown maximised; it reports an unfinished recording of the last run), splash, the file
// named on the command line; at exit, a display mode we changed is put back.
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class MainWindow;
class SoundRecorder;
class SoundPlayer;

struct StartOptions {
  std::string dataFolder;   // empty: the current directory when it is a working folder, else the user's
  std::string file;         // a WAV file to open as an "Other Files" recording
  bool splash = true;       // off for embedding and automation starts
  bool help = false;        // --help: print the usage and stop
  bool version = false;     // --version
  std::string error;        // a bad command line
};

StartOptions parseStartOptions(const std::vector<std::string>& args);

// What `velmora --help` prints; the man page is made from it too.
extern const char* const kVelmoraHelp;

// Hands the frame's one recorder and player to its view and makes Audio > Record and
// Audio > Play run the take and playback there. The engines must outlive the window.
void wireAudio(MainWindow& window, SoundRecorder& recorder, SoundPlayer& player);

// The whole program; returns its exit code.
int runVelmora(int argc, char** argv);

}  // namespace velmora
