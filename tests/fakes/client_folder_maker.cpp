#include "fakes/client_folder_maker.h"

#include <cmath>
#include <fstream>
#include <iterator>

#include "audio/wav_writer.h"
#include "clients/client_register.h"
#include "clients/date_file.h"
#include "clients/recording_names.h"
#include "core/file_times.h"
#include "fakes/scripted_interaction.h"

namespace velmora::testing {

std::vector<int16_t> madeSamples(int code, int number, int count) {
  std::vector<int16_t> s(static_cast<size_t>(count));
  const double hz = 100.0 + code * 7 + number * 3;
  for (int i = 0; i < count; ++i) s[static_cast<size_t>(i)] = static_cast<int16_t>(8000 * std::sin(6.2831853 * hz * i / 22050.0));
  return s;
}

bool makeWorkingFolder(const std::filesystem::path& folder, const std::vector<MadeClient>& clients) {
  ScriptedInteraction ui;
  std::filesystem::create_directories(folder);
  ClientRegister reg(ui);
  reg.setFileName(folder / kRegisterFileName);
  if (!reg.create()) return false;
  for (const MadeClient& c : clients) {
    ClientRecord r;
    r.code = c.code;
    r.name = c.name;
    if (reg.append(r) < 0) return false;
    const std::filesystem::path cf = clientFolder(folder, c.code);
    std::filesystem::create_directories(cf);
    for (int n = 1; n <= c.recordings; ++n) {
      const auto wav = recordingPath(folder, c.code, n, RecordingPrefix::Wv);
      const auto samples = madeSamples(c.code, n, c.samplesPerRecording);
      if (!writeWavFile(wav, WaveFormat::pcm(22050), samples.data(), samples.size() * sizeof(int16_t))) return false;
      if (!setFileTime(wav, FileTime{kMadeRecordingSeconds + n * 60, 0})) return false;
      if (!writeDateFile(wav, ui)) return false;
      std::ofstream(recordingPath(folder, c.code, n, RecordingPrefix::Wv, "mrk"), std::ios::binary) << "label " << n;
      std::ofstream(recordingPath(folder, c.code, n, RecordingPrefix::Wv, "txt"), std::ios::binary) << "notes " << n;
    }
  }
  return true;
}

std::map<std::string, std::string> snapshotFiles(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (std::filesystem::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->symlink_status().type() != std::filesystem::file_type::regular) continue;
    std::ifstream in(it->path(), std::ios::binary);
    files[std::filesystem::relative(it->path(), folder).string()] =
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return files;
}

}  // namespace velmora::testing
