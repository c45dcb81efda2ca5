#pragma once
// A recording's companion files share its stem: the last three characters of the WAV path
// are replaced ("ddt" date, "mrk" labels, "txt" notes, "bkp" backup placeholder).
#include <filesystem>
#include <string>

namespace velmora {

std::filesystem::path companionPath(const std::filesystem::path& wavPath, const std::string& extension3);

}  // namespace velmora
