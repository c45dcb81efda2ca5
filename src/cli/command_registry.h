#pragma once
// velmora-cli subcommands register themselves here, one unit per command, so adding a
// command touches no other file. A command gets its arguments after the command name and
// returns the process exit status. `velmora-cli --help`, `velmora-cli COMMAND --help` and the
// man page are all made from the usage line and the help text given here.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velmora::cli {

using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct Command {
  std::string usage;  // one line: "info FILE                 what it does"
  CommandFunction run;
  std::string help;   // its options and output columns, for COMMAND --help; may be empty
};

std::map<std::string, Command>& commands();

struct CommandRegistrar {
  CommandRegistrar(const std::string& name, const std::string& usage, CommandFunction run,
                   const std::string& help = {}) {
    commands()[name] = Command{usage, std::move(run), help};
  }
};

}  // namespace velmora::cli
