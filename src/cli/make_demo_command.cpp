// velmora-cli make-demo DIR: a ready working folder for trying the program.
#include <filesystem>
#include <iostream>

#include "cli/command_registry.h"
#include "core/config_files.h"
#include "core/language.h"

namespace velmora::cli {
namespace {

int runMakeDemo(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: velmora-cli make-demo DIR\n";
    return 1;
  }
  const std::filesystem::path dir = args[0];
  std::error_code ec;
  std::filesystem::create_directories(dir / "Other Files", ec);
  if (ec) {
    std::cerr << "cannot create " << dir << ": " << ec.message() << "\n";
    return 2;
  }
  if (!writeLanguage(dir, English)) {
    std::cerr << "cannot write " << (dir / kLanguageFile) << "\n";
    return 2;
  }
  std::cout << "demo working folder ready: " << dir.string() << "\n";
  return 0;
}

const CommandRegistrar reg("make-demo", "make-demo DIR             create a demo working folder", runMakeDemo);

}  // namespace
}  // namespace velmora::cli
