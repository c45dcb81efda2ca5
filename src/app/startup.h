#pragma once
// Start-up, in order: working folder (--data DIR), language, screen check, main window
// (shown maximised; it reports an unfinished recording of the last run), splash, the file
// named on the command line; at exit, a display mode we changed is put back.
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct StartOptions {
  std::string dataFolder;   // empty: the current directory
  std::string file;         // a WAV file to open as an "Other Files" recording
  bool splash = true;       // off for embedding and automation starts
  std::string error;        // a bad command line
};

StartOptions parseStartOptions(const std::vector<std::string>& args);

// The whole program; returns its exit code.
int runVelmora(int argc, char** argv);

}  // namespace velmora
