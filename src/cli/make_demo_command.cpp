// velmora-cli make-demo DIR: a ready working folder for trying the program: English
// interface, a register with one demo client and a few synthetic recordings.
#include <filesystem>
#include <iostream>

#include "audio/wav_writer.h"
#include "cli/command_registry.h"
#include "cli/demo_voice.h"
#include "cli/stderr_interaction.h"
#include "clients/client_folders.h"
#include "clients/client_register.h"
#include "clients/date_file.h"
#include "core/config_files.h"
#include "core/private_files.h"
#include "core/file_times.h"
#include "core/language.h"

namespace velmora::cli {
namespace {

struct DemoRecording {
  int number;
  uint32_t rate;
  DemoVowel vowel;
  int daysAgo;
};

bool writeRecording(Interaction& ui, const std::filesystem::path& dir, const DemoRecording& r) {
  const auto samples = synthesizeVowel(r.vowel, r.rate);
  const auto path = recordingPath(dir, 1, r.number, prefixForRate(r.rate));
  if (!writeWavFile(path, WaveFormat::pcm(r.rate), samples.data(), samples.size() * 2, ui)) return false;
  const auto now = fileTime(path);
  if (now) setFileTime(path, FileTime{now->seconds - 86400LL * r.daysAgo, 0});
  return writeDateFile(path, ui);
}

int runMakeDemo(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: velmora-cli make-demo DIR\n";
    return 1;
  }
  const std::filesystem::path dir = std::filesystem::absolute(args[0]);
  StderrInteraction ui;
  if (!makePrivateFolders(dir / "Other Files") || !writeLanguage(dir, English)) {
    std::cerr << "cannot prepare " << dir.string() << "\n";
    return 2;
  }
  ClientRegister reg(ui);
  reg.setFileName(dir / kRegisterFileName);
  if (!reg.exists() && !reg.create()) return 2;
  if (reg.query("CODIGO=1") == 0) {
    ClientRecord demo;
    demo.code = 1;
    demo.name = "Demo Client";
    demo.type = ClientWoman;
    demo.birthDate = "04121985";
    demo.city = "Lisbon";
    demo.observations = "Synthetic recordings for trying the program.";
    if (reg.append(demo) != 1) return 2;
  }
  if (!makePrivateFolders(clientFolder(dir, 1))) return 2;

  DemoVowel a;  // /a/ with a rising pitch
  DemoVowel i;  // /i/ falling
  i.startF0Hz = 260;
  i.endF0Hz = 190;
  i.formantsHz[0] = 300, i.formantsHz[1] = 2300, i.formantsHz[2] = 3000, i.formantsHz[3] = 3700;
  DemoVowel u;  // /u/ steady, longer
  u.startF0Hz = u.endF0Hz = 210;
  u.durationSeconds = 4.0;
  u.formantsHz[0] = 320, u.formantsHz[1] = 800, u.formantsHz[2] = 2500, u.formantsHz[3] = 3400;
  const DemoRecording recordings[] = {{1, 22050, a, 14}, {2, 44100, i, 7}, {3, 11025, u, 1}};
  for (const DemoRecording& r : recordings) {
    if (!writeRecording(ui, dir, r)) return 2;
  }
  std::cout << "demo working folder ready: " << dir.string() << "\n";
  return 0;
}

const CommandRegistrar reg("make-demo", "make-demo DIR             create a demo working folder", runMakeDemo,
                           "Creates DIR as a working folder with an English interface, a client register holding\n"
                           "one demo client and three synthetic vowel recordings, and an \"Other Files\" folder.\n"
                           "\n"
                           "Output: the line \"demo working folder ready: DIR\".\n");

}  // namespace
}  // namespace velmora::cli
