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
}

}  // namespace
}  // namespace velmora
