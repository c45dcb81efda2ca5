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
bool isHelp(const std::string& a) { return a == "--help" || a == "-h" || a == "help"; }

void usage(std::ostream& out) {
  out << "usage: velmora-cli COMMAND [ARGS...]\n"
         "       velmora-cli COMMAND --help\n"
         "Voice analysis, conversion and the client register from the command line.\n"
         "\ncommands:\n";
  for (const auto& [name, command] : velmora::cli::commands()) out << "  " << command.usage << "\n";
}

// The usage line's syntax and description are parted by a run of spaces.
void commandHelp(const velmora::cli::Command& command) {
  const std::string& line = command.usage;
  const size_t gap = line.find("  ");
  const size_t what = line.find_first_not_of(' ', gap);
  std::cout << "usage: velmora-cli " << line.substr(0, gap) << "\n";
  if (gap != std::string::npos && what != std::string::npos) std::cout << line.substr(what) << "\n";
  if (!command.help.empty()) std::cout << "\n" << command.help;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    usage(std::cerr);
    return 1;
  }
  const std::string first = argv[1];
  if (isHelp(first)) {
    usage(std::cout);
    return 0;
  }
  if (first == "--version") {
    std::cout << "velmora-cli " VELMORA_VERSION "\n";
    return 0;
  }
  auto& table = velmora::cli::commands();
  auto it = table.find(first);
  if (it == table.end()) {
    std::cerr << "velmora-cli: unknown command '" << first << "'\n";
    usage(std::cerr);
    return 1;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    commandHelp(it->second);
    return 0;
  }
  return it->second.run(args);
}
