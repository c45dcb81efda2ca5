#pragma once
// The wave-input device on Qt Multimedia: an input of the sound server (the one the chooser
// names at each open, else the default) through a QAudioSource in push mode. Captured bytes are
// pulled on the UI thread into the queued buffers front to back, at the live display's pace (30
// times a second at most): readyRead asks for a pull, which waits for the rest of the interval
// since the last one (a poll at the same pace stands in only until the first readyRead). A full
// buffer is handed back through a queued call, so the recorder sees it from the event loop, in
// order.
// Nothing queued: the capture is dropped. See audio/wave_in_device.h for the calling sequence.
#include <QAudioSource>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "audio/wave_in_device.h"
#include "platform/qt_wave_notices.h"

namespace velmora {

class QtWaveIn : public QObject, public WaveInDevice {
  Q_OBJECT

 public:
  explicit QtWaveIn(QObject* parent = nullptr);
  ~QtWaveIn() override;

  // Asked at every open: the server's source to record from ("" = the default input).
  void setInputChooser(std::function<std::string()> chooser) { chooser_ = std::move(chooser); }

  WaveResult open(const WaveFormat& format, WaveInListener* listener) override;
  WaveResult prepare(WaveHeader* header) override;
  WaveResult unprepare(WaveHeader* header) override;
  WaveResult add(WaveHeader* header) override;
  WaveResult start() override;
  WaveResult reset() override;
  WaveResult close() override;
  bool isOpen() const override { return open_; }
  void forget(WaveInListener* listener) override;
  std::string errorText(WaveResult result) const override;
  bool waitUntil(const std::function<bool()>& done) override;

 private:
  void capturedReady();
  void pullCaptured();
  void returnFront();
  void stopSource();
  WaveResult fail(WaveResult result, std::string text);

  std::function<std::string()> chooser_;
  std::unique_ptr<QAudioSource> source_;
  QIODevice* io_ = nullptr;
  QTimer poll_;       // until readyRead is heard
  QTimer coalesce_;   // the pull readyRead asked for, at the end of the refresh
  QElapsedTimer sinceLastPull_;
  std::deque<WaveHeader*> queue_;
  QtWaveNotices notices_;
  WaveInListener* listener_ = nullptr;
  bool open_ = false;
  bool started_ = false;
  std::vector<char> scratch_;
  WaveResult lastError_ = WaveResult::Ok;
  std::string lastErrorText_;
};

}  // namespace velmora
