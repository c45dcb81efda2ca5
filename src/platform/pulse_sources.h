#pragma once
// The sound server's inputs for choosing what a take records from: its sources (monitors
// of outputs left out) with their ports, and the default source; and making a pick the
// one in use.
#include <optional>
#include <string>
#include <vector>

#include "audio/record_input_pick.h"

namespace velmora {

struct ServerSources {
  std::string defaultSource;
  std::vector<SoundSourceInfo> sources;
};

// Nothing when no server answers.
std::optional<ServerSources> listServerSources();

// Switches the picked source to the picked port, and makes it the default source so that the
// record volume and the device name follow it. False when the server refused.
bool useServerSource(const RecordInputPick& pick, const std::string& defaultSource);

}  // namespace velmora
