#pragma once
// Runs a program with arguments (no shell) and collects its output and exit status.
#include <chrono>
#include <string>
#include <vector>

namespace velmora::testing {

struct ProcessResult {
  int exitStatus = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);

// Runs the program quietly (output to /dev/null) and kills it (SIGKILL) after `delay` unless
// it ended before. Its exit status, or -1 when it was killed.
int runAndKill(const std::string& program, const std::vector<std::string>& args, std::chrono::microseconds delay);

}  // namespace velmora::testing
