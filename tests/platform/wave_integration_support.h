#pragma once
// Helpers of the tests that run the engines on the private sound server (a null sink whose
// monitor is remapped to the default input).
#include <gtest/gtest.h>

#include <QAudioSource>
#include <QProcess>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <cmath>
#include <memory>
#include <vector>

namespace velmora::testing {

// Runs the event loop for a while.
inline void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// The null sink renders in large blocks while nothing plays with a short latency, and its
// monitor then delivers sound in bursts up to seconds apart. A silent 10 ms stream keeps it
// rendering in small steps, as a sound card's clock would; it adds nothing to what plays.
// (Qt's sink asks the server for too long a latency to do this, hence pacat.) The sink takes
// a moment to settle after the stream starts, so the clock runs once per test program and
// is ready when the capture flows steadily.
class SinkClock : public ::testing::Environment {
 public:
  static SinkClock& instance() {
    static SinkClock* clock = static_cast<SinkClock*>(::testing::AddGlobalTestEnvironment(new SinkClock));
    return *clock;
  }
  // Starts the clock (once) and waits up to 8 s for a steady capture.
  bool ready() {
    if (ready_) return true;
    if (!process_.state()) {
      process_.setStandardInputFile(QProcess::nullDevice());
      process_.start("pacat", {"--playback", "--latency-msec=10", "--rate=44100", "--channels=1",
                               "--format=s16le", "--client-name=velmora-test-clock", "/dev/zero"});
      if (!process_.waitForStarted(5000)) return false;
    }
    ready_ = captureIsSteady();
    return ready_;
  }
  void TearDown() override {
    process_.kill();
    process_.waitForFinished(2000);
  }

 private:
  static bool captureIsSteady() {
    QAudioFormat f;
    f.setSampleRate(11025);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    QAudioSource source(QMediaDevices::defaultAudioInput(), f);
    source.setBufferSize(f.bytesForDuration(20000));
    QIODevice* io = source.start();
    if (!io) return false;
    constexpr int kWindowMs = 300;
    const qint64 expected = f.bytesForDuration(kWindowMs * 1000);
    int steadyWindows = 0;
    for (int i = 0; i < 8000 / kWindowMs && steadyWindows < 2; ++i) {
      qint64 got = 0;
      QElapsedTimer window;
      window.start();
      while (window.elapsed() < kWindowMs) {
        runEventsFor(10);
        got += io->readAll().size();
      }
      steadyWindows = got >= expected * 8 / 10 ? steadyWindows + 1 : 0;
    }
    source.stop();
    return steadyWindows >= 2;
  }

  QProcess process_;
  bool ready_ = false;
};


// Fails the test, loudly, when the sound server offers no devices: the test command starts a
// private server, so a missing one is a broken set-up, not a reason to skip.
inline void requireSoundServer() {
  ASSERT_FALSE(QMediaDevices::defaultAudioInput().isNull())
      << "no sound input: start the private sound server (scripts/sound-server.sh) first";
  ASSERT_FALSE(QMediaDevices::defaultAudioOutput().isNull()) << "no sound output on the sound server";
}

inline std::vector<int16_t> sineWave(double frequencyHz, double amplitude, int rateHz, double seconds) {
  std::vector<int16_t> s(static_cast<size_t>(rateHz * seconds));
  for (size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<int16_t>(std::lround(amplitude * 32767.0 * std::sin(2 * M_PI * frequencyHz * i / rateHz)));
  return s;
}

inline double rmsOf(const int16_t* s, size_t n) {
  double sum = 0;
  for (size_t i = 0; i < n; ++i) sum += double(s[i]) * s[i];
  return n ? std::sqrt(sum / n) : 0;
}

// Frequency from the upward zero crossings (linearly interpolated) of a steady tone.
inline double zeroCrossingFrequencyHz(const int16_t* s, size_t n, int rateHz) {
  double first = -1, last = -1;
  int crossings = 0;
  for (size_t i = 1; i < n; ++i) {
    if (s[i - 1] < 0 && s[i] >= 0) {
      const double t = (i - 1) + double(-s[i - 1]) / (double(s[i]) - s[i - 1]);
      if (first < 0) first = t;
      last = t;
      ++crossings;
    }
  }
  if (crossings < 2) return 0;
  return (crossings - 1) * double(rateHz) / (last - first);
}

}  // namespace velmora::testing
