#pragma once
// The "Other Files" pseudo-client: a folder of loose WAV files under the program folder,
// opened by path. Client code kOtherFilesCode (99999), name "default".
#include <filesystem>

#include "clients/recording_names.h"
#include "core/interaction.h"

namespace velmora {

std::filesystem::path otherFilesFolder(const std::filesystem::path& programFolder);
// Creates the folder when missing; false when it cannot be made or entered.
bool prepareOtherFilesFolder(const std::filesystem::path& programFolder);
// The open dialog of Files > Open for the pseudo-client.
FileRequest otherFilesOpenRequest(const std::filesystem::path& programFolder);

}  // namespace velmora
