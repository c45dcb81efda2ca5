// The Properties dialog's file, rate and length for each recording rate.
#include <gtest/gtest.h>

#include "clients/recording_names.h"
#include "presentation/audio_properties.h"

namespace velmora {
namespace {

TEST(AudioProperties, NumberedRecordingsAreNamedByRateAndTimedExactly) {
  const std::filesystem::path work = "/data/velmora";
  struct Case {
    uint32_t rate;
    const char* file;
    const char* seconds;
  };
  for (const Case& c : {Case{11025, "wv012.wav", "2,00"}, Case{22050, "wv012.wav", "1,00"},
                        Case{44100, "qv012.wav", "0,50"}}) {
    const AudioProperties p = audioProperties({work, 7, 12, "/elsewhere/x.wav", 22050, c.rate});
    EXPECT_EQ(p.path, (work / "pac007" / c.file).string()) << c.rate;
    EXPECT_EQ(p.rate, std::to_string(c.rate));
    EXPECT_EQ(p.seconds, c.seconds) << c.rate;
  }
  // A file opened by path shows that path; 1000 samples at 11025 Hz are 0,09 s.
  const AudioProperties other = audioProperties({work, kOtherFilesCode, -1, "/home/a/b.wav", 1000, 11025});
  EXPECT_EQ(other.path, "/home/a/b.wav");
  EXPECT_EQ(other.seconds, "0,09");
}

}  // namespace
}  // namespace velmora
