#include "platform/qt_wave_out.h"

#include <QMediaDevices>
#include <algorithm>

#include "platform/qt_wave_wait.h"

namespace velmora {

namespace {
constexpr int kPollIntervalMs = 10;
constexpr qint64 kFrameSlackBytes = 2;
constexpr qint64 kIdleSettleMs = 250;
}  // namespace

QtWaveOut::QtWaveOut(QObject* parent) : QObject(parent) {
  poll_.setInterval(kPollIntervalMs);
  poll_.setTimerType(Qt::PreciseTimer);
  connect(&poll_, &QTimer::timeout, this, &QtWaveOut::tick);
}

QtWaveOut::~QtWaveOut() {
  QtWaveNotices::Hold hold(notices_);
  listener_ = nullptr;
  stopSink();
}

WaveResult QtWaveOut::fail(WaveResult result, std::string text) {
  lastError_ = result;
  lastErrorText_ = std::move(text);
  return result;
}

std::string QtWaveOut::errorText(WaveResult result) const {
  if (result == lastError_ && !lastErrorText_.empty()) return lastErrorText_;
  return waveResultText(result);
}

WaveResult QtWaveOut::query(const WaveFormat& format) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return fail(WaveResult::BadDevice, "No sound output was found.");
  if (!device.isFormatSupported(toQtAudioFormat(format)))
    return fail(WaveResult::BadFormat, "The sound output cannot play this format.");
  return WaveResult::Ok;
}

WaveResult QtWaveOut::open(const WaveFormat& format, WaveOutListener* listener) {
  QtWaveNotices::Hold hold(notices_);
  if (open_) return fail(WaveResult::Allocated, "The sound output is already open.");
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return fail(WaveResult::BadDevice, "No sound output was found.");
  const QAudioFormat qtFormat = toQtAudioFormat(format);
  if (!device.isFormatSupported(qtFormat))
    return fail(WaveResult::BadFormat, "The sound output cannot play this format.");
  sink_ = std::make_unique<QAudioSink>(device, qtFormat);
  bytesPerSecond_ = qtFormat.bytesForDuration(1000000);
  listener_ = listener;
  open_ = true;
  paused_ = false;
  queue_.clear();
  feedIndex_ = 0;
  feedOffset_ = streamBytes_ = fedBytes_ = 0;
  lastProcessedUSecs_ = -1;
  sinceProgress_.invalidate();
  notices_.post([this] {
    if (listener_) listener_->waveOutOpened();
  });
  return WaveResult::Ok;
}

WaveResult QtWaveOut::prepare(WaveHeader* header) {
  if (!header || (!header->data && header->bufferBytes)) return WaveResult::Error;
  header->flags = (header->flags | HeaderPrepared) & ~HeaderDone;
  return WaveResult::Ok;
}

WaveResult QtWaveOut::unprepare(WaveHeader* header) {
  if (header->flags & HeaderInQueue) return WaveResult::StillPlaying;
  header->flags &= ~HeaderPrepared;
  return WaveResult::Ok;
}

WaveResult QtWaveOut::write(WaveHeader* header) {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  if (!(header->flags & HeaderPrepared)) return WaveResult::Unprepared;
  header->flags = (header->flags | HeaderInQueue) & ~HeaderDone;
  streamBytes_ += header->bufferBytes;
  queue_.push_back({header, streamBytes_});
  if (!io_) {
    io_ = sink_->start();
    if (!io_ || sink_->error() != QAudio::NoError) {
      // The stream cannot run: hand the block back at once so the player is not left waiting.
      io_ = nullptr;
      queue_.pop_back();
      streamBytes_ -= header->bufferBytes;
      header->flags &= ~HeaderInQueue;
      return fail(WaveResult::HandleBusy, "The sound output could not be started; another program may be using it.");
    }
    if (paused_) sink_->suspend();
  }
  feed();
  if (!poll_.isActive()) poll_.start();
  return WaveResult::Ok;
}

void QtWaveOut::tick() {
  QtWaveNotices::Hold hold(notices_);
  feed();
  returnPlayed();
}

// Gives the sink as much of the queued blocks as it has room for.
void QtWaveOut::feed() {
  if (!io_ || paused_) return;
  while (feedIndex_ < queue_.size()) {
    const qint64 room = sink_->bytesFree();
    if (room <= 0) return;
    WaveHeader* h = queue_[feedIndex_].header;
    const qint64 left = h->bufferBytes - feedOffset_;
    const qint64 n = left > 0 ? io_->write(h->data + feedOffset_, std::min(room, left)) : 0;
    if (n < 0) return;
    feedOffset_ += n;
    fedBytes_ += n;
    if (feedOffset_ >= h->bufferBytes) {
      ++feedIndex_;
      feedOffset_ = 0;
    } else if (n == 0) {
      return;
    }
  }
}

qint64 QtWaveOut::playedBytes() {
  if (!sink_ || bytesPerSecond_ <= 0) return 0;
  const qint64 usecs = sink_->processedUSecs();
  if (usecs != lastProcessedUSecs_) {
    lastProcessedUSecs_ = usecs;
    sinceProgress_.restart();
  }
  // Rounded to the nearest byte and a frame's slack, so the last block is not missed by a
  // rounding step.
  const qint64 played = (usecs * bytesPerSecond_ + 500000) / 1000000 + kFrameSlackBytes;
  // A sink that sits idle with everything fed and its clock standing still has played it all.
  if (sink_->state() == QAudio::IdleState && feedIndex_ >= queue_.size() && sinceProgress_.isValid() &&
      sinceProgress_.elapsed() > kIdleSettleMs)
    return fedBytes_;
  return std::min(played, fedBytes_);
}

void QtWaveOut::returnPlayed() {
  if (paused_) return;
  const qint64 played = playedBytes();
  while (!queue_.empty() && queue_.front().endByte <= played && feedIndex_ > 0) returnFront();
  if (queue_.empty()) poll_.stop();
}

void QtWaveOut::returnFront() {
  WaveHeader* h = queue_.front().header;
  queue_.pop_front();
  if (feedIndex_ > 0) --feedIndex_;
  h->flags = (h->flags | HeaderDone) & ~HeaderInQueue;
  notices_.post([this, h] {
    if (listener_) listener_->waveOutDone(h);
  });
}

WaveResult QtWaveOut::pause() {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  paused_ = true;
  if (io_) sink_->suspend();
  return WaveResult::Ok;
}

WaveResult QtWaveOut::restart() {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  paused_ = false;
  if (io_) sink_->resume();
  feed();
  return WaveResult::Ok;
}

void QtWaveOut::stopSink() {
  poll_.stop();
  io_ = nullptr;
  if (sink_) {
    sink_->reset();
    sink_->stop();
  }
}

WaveResult QtWaveOut::reset() {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  stopSink();
  paused_ = false;
  feedIndex_ = queue_.size();
  while (!queue_.empty()) returnFront();
  feedIndex_ = 0;
  feedOffset_ = streamBytes_ = fedBytes_ = 0;
  lastProcessedUSecs_ = -1;
  sinceProgress_.invalidate();
  return WaveResult::Ok;
}

WaveResult QtWaveOut::close() {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  if (!queue_.empty()) return WaveResult::StillPlaying;
  stopSink();
  sink_.reset();
  open_ = false;
  notices_.post([this] {
    if (listener_) listener_->waveOutClosed();
  });
  return WaveResult::Ok;
}

WaveResult QtWaveOut::setVolume(double volume) {
  QtWaveNotices::Hold hold(notices_);
  if (!sink_) return WaveResult::InvalidHandle;
  sink_->setVolume(std::clamp(volume, 0.0, 1.0));
  return WaveResult::Ok;
}

void QtWaveOut::forget(WaveOutListener* listener) {
  if (listener != listener_) return;
  notices_.clear();
  listener_ = nullptr;
}

bool QtWaveOut::waitUntil(const std::function<bool()>& done) {
  return runQtEventsUntil(done, [this] { return !notices_.empty() || (!queue_.empty() && !paused_); });
}

}  // namespace velmora
