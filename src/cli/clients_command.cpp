// velmora-cli clients [--data DIR]: the client register, one "code;type;name" line per client
// in register order. A register that cannot be read gives its message on standard error and
// exit status 2.
#include <filesystem>
#include <iostream>

#include "cli/command_registry.h"
#include "cli/stderr_interaction.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"

namespace velmora::cli {
namespace {

int runClients(const std::vector<std::string>& args) {
  if (!(args.empty() || (args.size() == 2 && args[0] == "--data"))) {
    std::cerr << "usage: velmora-cli clients [--data DIR]\n";
    return 1;
  }
  if (args.size() == 2) {
    std::error_code ec;
    std::filesystem::current_path(args[1], ec);
    if (ec) {
      std::cerr << "cannot use " << args[1] << ": " << ec.message() << "\n";
      return 2;
    }
  }
  StderrInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(kRegisterFileName);
  if (reg.query("") < 0) {
    if (!ui.shown) std::cerr << "cannot read " << kRegisterFileName << "\n";
    return 2;
  }
  for (const ClientEntry& e : reg.entries()) std::cout << e.code << ';' << e.type << ';' << e.name << '\n';
  return std::cout.flush() ? 0 : 2;
}

const CommandRegistrar reg("clients", "clients [--data DIR]      list the client register: code;type;name",
                           runClients,
                           "Options:\n"
                           "  --data DIR   the working folder holding the register pacb.dbf (default: the current one)\n"
                           "\n"
                           "Output: one line per client, in register order: code;type;name\n");

}  // namespace
}  // namespace velmora::cli
