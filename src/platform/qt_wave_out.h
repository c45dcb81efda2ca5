#pragma once
// The wave-output device on Qt Multimedia: the default output of the sound server through a
// QAudioSink in push mode. Written blocks are fed to the sink as it has room (on a 10 ms
// poll); a block is handed back, through a queued call and in order, once the sink's played
// time has passed its end. See audio/wave_out_device.h for the calling sequence.
#include <QAudioSink>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>

#include "audio/wave_out_device.h"
#include "platform/qt_wave_notices.h"

namespace velmora {

class QtWaveOut : public QObject, public WaveOutDevice {
  Q_OBJECT

 public:
  explicit QtWaveOut(QObject* parent = nullptr);
  ~QtWaveOut() override;

  WaveResult query(const WaveFormat& format) override;
  WaveResult open(const WaveFormat& format, WaveOutListener* listener) override;
  WaveResult prepare(WaveHeader* header) override;
  WaveResult unprepare(WaveHeader* header) override;
  WaveResult write(WaveHeader* header) override;
  WaveResult pause() override;
  WaveResult restart() override;
  WaveResult reset() override;
  WaveResult close() override;
  bool isOpen() const override { return open_; }
  WaveResult setVolume(double volume) override;
  void forget(WaveOutListener* listener) override;
  std::string errorText(WaveResult result) const override;
  bool waitUntil(const std::function<bool()>& done) override;

 private:
  struct Queued {
    WaveHeader* header;
    qint64 endByte;  // stream position just after this block
  };
  void tick();
  void feed();
  void returnPlayed();
  void returnFront();
  void stopSink();
  qint64 playedBytes();
  WaveResult fail(WaveResult result, std::string text);

  std::unique_ptr<QAudioSink> sink_;
  QIODevice* io_ = nullptr;
  QTimer poll_;
  std::deque<Queued> queue_;
  size_t feedIndex_ = 0;      // block being fed to the sink
  qint64 feedOffset_ = 0;     // bytes of it already fed
  qint64 streamBytes_ = 0;    // bytes queued since the stream started
  qint64 fedBytes_ = 0;
  int bytesPerSecond_ = 0;
  qint64 lastProcessedUSecs_ = -1;
  QElapsedTimer sinceProgress_;
  QtWaveNotices notices_;
  WaveOutListener* listener_ = nullptr;
  bool open_ = false;
  bool paused_ = false;
  WaveResult lastError_ = WaveResult::Ok;
  std::string lastErrorText_;
};

}  // namespace velmora
