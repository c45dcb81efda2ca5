#include "platform/qt_wave_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace velmora {

namespace {
constexpr int kCheckIntervalMs = 2;
}

bool runQtEventsUntil(const std::function<bool()>& done, const std::function<bool()>& canProgress) {
  if (done()) return true;
  QEventLoop loop;
  QTimer check;
  check.setInterval(kCheckIntervalMs);
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done() || !canProgress()) loop.quit();
  });
  check.start();
  // exec() also returns when the application is told to quit.
  loop.exec();
  return done();
}

QAudioFormat toQtAudioFormat(const WaveFormat& format) {
  QAudioFormat f;
  f.setSampleRate(static_cast<int>(format.samplesPerSecond));
  f.setChannelCount(format.channels);
  f.setSampleFormat(format.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  return f;
}

}  // namespace velmora
