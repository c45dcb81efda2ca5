// A real take on the private sound server, killed with SIGKILL five seconds in: the next
// start gives back those five seconds, within one capture buffer.
#include <gtest/gtest.h>

#include <QProcess>
#include <csignal>

#include "audio/wav_reader.h"
#include "core/config_files.h"
#include "core/message_ids.h"
#include "document/take_recovery.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "platform/wave_integration_support.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(TakeRecoveryIntegration, FiveSecondsOfAKilledTakeComeBackAtTheNextStart) {
  ASSERT_TRUE(testing::SinkClock::instance().ready());
  testing::TempFolder folder;
  fs::create_directory(folder / "pac001");
  QProcess child;
  child.setProcessChannelMode(QProcess::SeparateChannels);
  child.start(VELMORA_TAKE_CHILD, {QString::fromStdString(folder.path().string())});
  ASSERT_TRUE(child.waitForStarted(5000));

  constexpr long long kFiveSeconds = 5LL * 11025 * 2;
  long long captured = 0;
  long long oneBuffer = 0;
  QElapsedTimer timer;
  timer.start();
  while (captured < kFiveSeconds && timer.elapsed() < 30000 && child.state() == QProcess::Running) {
    child.waitForReadyRead(100);
    while (child.canReadLine()) {
      const QByteArray line = child.readLine().trimmed();
      if (line.startsWith("bytes ")) captured = line.mid(6).toLongLong();
      if (line.startsWith("buffer ")) oneBuffer = line.mid(7).toLongLong();
    }
  }
  ASSERT_GE(captured, kFiveSeconds) << child.readAllStandardError().toStdString();
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished(5000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

  testing::ScriptedInteraction nextRun;
  checkUnfinishedRecording(folder.path(), nextRun);
  EXPECT_EQ(nextRun.countOf(msg::LastRunNotEnded), 1);
  nextRun.yesNoAnswers = {true};
  const auto kept = recoverInterruptedTake(folder.path(), nextRun);
  ASSERT_EQ(kept, folder / "pac001" / "wv001.wav");
  const WavData wav = readWav(*kept);
  ASSERT_EQ(wav.code, WavOk);
  EXPECT_EQ(wav.format.samplesPerSecond, 11025u);
  // What the take had shown when it was killed, less the one buffer that may not have been written.
  ASSERT_GT(oneBuffer, 0);
  EXPECT_GE(static_cast<long long>(wav.samples.size()) * 2, captured - oneBuffer);
  EXPECT_TRUE(fs::exists(folder / "pac001" / "wv001.ddt"));
  EXPECT_FALSE(fs::exists(folder / "grav.tmp"));
}

}  // namespace
}  // namespace velmora
