#include <gtest/gtest.h>

#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(CliInfo, PrintsTheFormatOfAWavFile) {
  TempFolder dir;
  dir.writeBytes("s.wav", pcmWav(std::vector<int16_t>(22050 * 2, 0), 22050, 2));
  ProcessResult r = runProcess(VELMORA_CLI_PATH, {"info", (dir / "s.wav").string()});
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, "rate: 22050\nchannels: 2\nbits: 16\nsamples: 22050\nduration: 1.000000\n");
}

TEST(CliInfo, RefusedFilesGiveTheCodeOnStandardErrorAndStatusTwo) {
  TempFolder dir;
  dir.writeBytes("bad.wav", "RIFF\x04\0\0\0WAVE");
  ProcessResult r = runProcess(VELMORA_CLI_PATH, {"info", (dir / "bad.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("error 57601: ", 0), 0u) << r.err;
  r = runProcess(VELMORA_CLI_PATH, {"info", (dir / "none.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err.rfind("error 57600: ", 0), 0u) << r.err;
}

TEST(CliMakeDemo, CreatesAnEnglishWorkingFolder) {
  TempFolder dir;
  ProcessResult r = runProcess(VELMORA_CLI_PATH, {"make-demo", (dir / "demo").string()});
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(dir.readBytes("demo/lang.dat"), std::string("\0\0\0\0", 4));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "demo" / "Other Files"));
  // One demo client with three dated recordings at the three rates.
  r = runProcess(VELMORA_CLI_PATH, {"clients", "--data", (dir / "demo").string()});
  EXPECT_EQ(r.out, "1;1;Demo Client\n");
  for (const char* name : {"wv001", "qv002", "wv003"}) {
    const std::string wav = (dir / "demo" / "pac001" / name).string() + ".wav";
    r = runProcess(VELMORA_CLI_PATH, {"info", wav});
    EXPECT_EQ(r.exitStatus, 0) << name;
    EXPECT_NE(r.out.find("channels: 1"), std::string::npos) << name;
    EXPECT_EQ(dir.readBytes(std::string("demo/pac001/") + name + ".ddt").size(), 10u) << name;
  }
  // Running it again keeps the one client.
  runProcess(VELMORA_CLI_PATH, {"make-demo", (dir / "demo").string()});
  r = runProcess(VELMORA_CLI_PATH, {"clients", "--data", (dir / "demo").string()});
  EXPECT_EQ(r.out, "1;1;Demo Client\n");
}

}  // namespace
}  // namespace velmora
