#include "platform/qt_wave_wait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace velmora {

namespace {
constexpr int kCheckIntervalMs = 2;
// Qt's audio classes run events of their own while they stop, so a check can land in the
// middle of a device call; only a standstill that lasts this long means nothing will come
// (generous, so a busy machine is not mistaken for a dead device).
constexpr qint64 kStandstillMs = 1500;
}  // namespace

bool runQtEventsUntil(const std::function<bool()>& done, const std::function<bool()>& canProgress) {
  if (done()) return true;
  QEventLoop loop;
  QTimer check;
  QElapsedTimer standstill;
  check.setInterval(kCheckIntervalMs);
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done()) {
      loop.quit();
    } else if (canProgress()) {
      standstill.invalidate();
    } else if (!standstill.isValid()) {
      standstill.start();
    } else if (standstill.elapsed() > kStandstillMs) {
      loop.quit();
    }
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
