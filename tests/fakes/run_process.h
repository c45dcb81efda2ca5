#pragma once
// Runs a program with arguments (no shell) and collects its output and exit status.
#include <string>
#include <vector>

namespace velmora::testing {

struct ProcessResult {
  int exitStatus = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);

}  // namespace velmora::testing
