#include "audio/record_input_pick.h"

#include <algorithm>
#include <cctype>

namespace velmora {
namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Names and descriptions say "mic"/"Microphone" or "line"/"Line In"; a text naming both
// (a combined jack) counts for neither, so the other kind's own port is preferred.
bool saysKind(const std::string& name, const std::string& description, int inputChoice) {
  const std::string text = lower(name + ' ' + description);
  const bool mic = text.find("mic") != std::string::npos;
  const bool line = text.find("line") != std::string::npos;
  return inputChoice == 1 ? line && !mic : mic && !line;
}

const SoundPortInfo* matchingPort(const SoundSourceInfo& s, int inputChoice) {
  const SoundPortInfo* found = nullptr;
  for (const SoundPortInfo& p : s.ports) {
    if (p.unavailable || !saysKind(p.name, p.description, inputChoice)) continue;
    if (p.name == s.activePort) return &p;
    if (!found) found = &p;
  }
  return found;
}

bool activeIsKind(const SoundSourceInfo& s, int inputChoice) {
  if (s.ports.empty()) return saysKind(s.name, s.description, inputChoice);
  for (const SoundPortInfo& p : s.ports)
    if (p.name == s.activePort) return saysKind(p.name, p.description, inputChoice);
  return false;
}

RecordInputPick pickOn(const SoundSourceInfo& s, const SoundPortInfo* port) {
  return {s.name, port && port->name != s.activePort ? port->name : std::string()};
}

}  // namespace

std::optional<RecordInputPick> pickRecordInput(const std::vector<SoundSourceInfo>& sources,
                                               const std::string& defaultSource, int inputChoice) {
  if (inputChoice != 0 && inputChoice != 1) return std::nullopt;
  const auto isDefault = [&defaultSource](const SoundSourceInfo& s) { return s.name == defaultSource; };
  const auto def = std::find_if(sources.begin(), sources.end(), isDefault);
  if (def != sources.end()) {
    if (activeIsKind(*def, inputChoice)) return RecordInputPick{def->name, {}};
    if (const SoundPortInfo* p = matchingPort(*def, inputChoice)) return pickOn(*def, p);
  }
  for (const SoundSourceInfo& s : sources) {
    if (isDefault(s)) continue;
    if (activeIsKind(s, inputChoice)) return RecordInputPick{s.name, {}};
    if (const SoundPortInfo* p = matchingPort(s, inputChoice)) return pickOn(s, p);
  }
  if (inputChoice == 0 && def != sources.end()) return RecordInputPick{def->name, {}};
  return std::nullopt;
}

}  // namespace velmora
