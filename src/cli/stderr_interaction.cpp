#include "cli/stderr_interaction.h"

#include <iostream>

namespace velmora::cli {

void StderrInteraction::showMessage(const Message& message) {
  std::cerr << message.text << "\n";
  shown = true;
}

bool StderrInteraction::askYesNo(const Message& message) {
  showMessage(message);
  return false;
}

}  // namespace velmora::cli
