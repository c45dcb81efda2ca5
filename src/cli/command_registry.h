#pragma once
// velmora-cli subcommands register themselves here, one unit per command, so adding a
// command touches no other file. A command gets its arguments after the command name and
// returns the process exit status.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velmora::cli {

using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct Command {
  std::string usage;  // one line: "info FILE"
  CommandFunction run;
};

std::map<std::string, Command>& commands();

struct CommandRegistrar {
  CommandRegistrar(const std::string& name, const std::string& usage, CommandFunction run) {
    commands()[name] = Command{usage, std::move(run)};
  }
};

}  // namespace velmora::cli
