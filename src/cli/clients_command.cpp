// velmora-cli clients [--data DIR]: the client register, one "code;type;name" line per client
// in register order. A register that cannot be read gives its message on standard error and
// exit status 2.
#include <filesystem>
#include <iostream>

#include "cli/command_registry.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"

namespace velmora::cli {
namespace {

// Messages of the register go to standard error; there is nobody to answer questions.
class StderrInteraction : public Interaction {
 public:
  void showMessage(const Message& message) override {
    std::cerr << message.text << "\n";
    shown = true;
  }
  bool askYesNo(const Message& message) override {
    showMessage(message);
    return false;
  }
  std::optional<std::filesystem::path> chooseOpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseSaveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override {
    return std::nullopt;
  }
  int chooseOption(const ChoiceRequest&) override { return -1; }

  bool shown = false;
};

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
                           runClients);

}  // namespace
}  // namespace velmora::cli
