// velmora-cli: batch analysis and conversion from the command line.
#include <cstdio>
#include <iostream>

#include "cli/command_registry.h"

namespace velmora::cli {
std::map<std::string, Command>& commands() {
  static std::map<std::string, Command> table;
  return table;
}
}  // namespace velmora::cli

namespace {
void usage() {
  std::cerr << "usage: velmora-cli COMMAND [ARGS...]\ncommands:\n";
  for (const auto& [name, command] : velmora::cli::commands()) std::cerr << "  " << command.usage << "\n";
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    usage();
    return 1;
  }
  auto& table = velmora::cli::commands();
  auto it = table.find(argv[1]);
  if (it == table.end()) {
    std::cerr << "velmora-cli: unknown command '" << argv[1] << "'\n";
    usage();
    return 1;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  return it->second.run(args);
}
