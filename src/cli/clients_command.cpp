// velmora-cli clients [--data DIR]: the client register, one "code;type;name" line per client
// in register order, control characters in names escaped. A register that cannot be read gives its message on standard error and
// exit status 2.
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "cli/command_registry.h"
#include "cli/stderr_interaction.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"

namespace velmora::cli {
namespace {

// A name holding a line end would forge a register line, and escape sequences would drive
// the terminal: C0 controls and DEL are written as \xHH, C1 controls (as UTF-8) as \u00HH,
// and the backslash itself as \\ so the output stays unambiguous.
std::string escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  char hex[8];
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c == '\\') {
      out += "\\\\";
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else if (c1) {
      std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned char>(text[++i]));
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

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
  for (const ClientEntry& e : reg.entries()) std::cout << e.code << ';' << e.type << ';' << escaped(e.name) << '\n';
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
