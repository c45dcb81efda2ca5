#pragma once
// Builds working folders and backups for the backup and restore tests: a register with the
// given clients and, per client, recordings with their date, label and notes files.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace velmora::testing {

struct MadeClient {
  int code = 1;
  std::string name;
  int recordings = 0;       // wv001.wav .. with .ddt, .mrk and .txt companions
  int samplesPerRecording = 2205;
};

// 2024-03-07 10:00 UTC, the time the made recordings carry (recording n: n minutes later).
inline constexpr int64_t kMadeRecordingSeconds = 1709805600;

// Creates pacb.dbf with the clients and their folders; false when anything failed.
bool makeWorkingFolder(const std::filesystem::path& folder, const std::vector<MadeClient>& clients);

// Every regular file under `folder` (relative path -> bytes), links and folders left out.
std::map<std::string, std::string> snapshotFiles(const std::filesystem::path& folder);

// A distinct sound per client and recording, so a mixed-up copy shows.
std::vector<int16_t> madeSamples(int code, int number, int count);

}  // namespace velmora::testing
