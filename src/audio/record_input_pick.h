#pragma once
// Which of the sound server's inputs a take records from for the record input choice
// (0 microphone, 1 line). A card's source usually offers its jacks as ports
// ("analog-input-mic", "analog-input-linein"); other devices are sources of their own.
//
// Order: the default source when it already is that kind (its active port, or its own name
// when it has no ports); else one of the default source's available ports of that kind;
// else another source of that kind (on its active or first available matching port); else,
// for the microphone, the default source as it is (most inputs are microphones and say
// nothing); for the line input, nothing.
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct SoundPortInfo {
  std::string name;
  std::string description;
  bool unavailable = false;  // the server knows nothing is plugged in there
};

struct SoundSourceInfo {
  std::string name;
  std::string description;
  std::vector<SoundPortInfo> ports;
  std::string activePort;
};

struct RecordInputPick {
  std::string source;
  std::string port;  // "" = leave the source's port as it is
};

std::optional<RecordInputPick> pickRecordInput(const std::vector<SoundSourceInfo>& sources,
                                               const std::string& defaultSource, int inputChoice);

}  // namespace velmora
