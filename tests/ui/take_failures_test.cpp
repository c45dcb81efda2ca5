// A take that ends by itself: the temporary file cannot grow, the recorder stops, and the
// view finishes the take as if the user had stopped it.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "view_audio_fixture.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace velmora::testing;
using TakeFailures = ViewAudioFixture;

// Lowers the largest file this process may write (a full disk, as the program sees it).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t previousHandler_ = nullptr;
};

TEST_F(TakeFailures, AFullDiskEndsTheTakeAndTheViewAsksToKeepWhatWasWritten) {
  recordBuffers(3);
  ui.yesNoAnswers = {true};
  {
    FileSizeLimit full(3 * kBufferBytes);
    ASSERT_EQ(in.fill(1), 1);
    in.deliverOne();  // this buffer's write fails
  }
  EXPECT_EQ(ui.countOf(57702), 1);
  in.deliver();  // the rest comes back, the WAV is written, the device closes
  EXPECT_FALSE(view()->isRecording());
  EXPECT_EQ(ui.countOf(msg::AskKeepTake), 1);
  EXPECT_TRUE(fs::exists(clientFile("wv001.wav")));
  EXPECT_TRUE(fs::exists(clientFile("wv001.ddt")));
  ASSERT_TRUE(view()->hasSamples());
  EXPECT_EQ(view()->buffer().sampleCount(), 3 * kBufferSamples);
  EXPECT_TRUE(bar()->playButton()->isEnabled());
  EXPECT_FALSE(bar()->recordPauseButton()->isEnabled());
}

}  // namespace
}  // namespace velmora
