#include "platform/qt_wave_in.h"

#include <QMediaDevices>
#include <algorithm>

#include "platform/qt_wave_wait.h"

namespace velmora {

namespace {
// The live display's pace (30 repaints a second at most): it draws no faster, so captured sound
// is fetched no more often either. Each fetch takes the sound server's lock and wakes its thread.
constexpr int kPullIntervalMs = 33;
// The source hands over captured sound in pieces of about this length: short enough that a
// buffer returns soon after it is full.
constexpr int kSourceChunkMs = 20;
constexpr size_t kScratchBytes = 8192;

// The server's source named `id`; the default input when it is not (or no longer) there.
QAudioDevice inputDevice(const std::string& id) {
  if (!id.empty())
    for (const QAudioDevice& d : QMediaDevices::audioInputs())
      if (d.id() == QByteArray::fromStdString(id)) return d;
  return QMediaDevices::defaultAudioInput();
}
}  // namespace

QtWaveIn::QtWaveIn(QObject* parent) : QObject(parent), scratch_(kScratchBytes) {
  poll_.setInterval(kPullIntervalMs);
  poll_.setTimerType(Qt::PreciseTimer);
  connect(&poll_, &QTimer::timeout, this, &QtWaveIn::pullCaptured);
  coalesce_.setSingleShot(true);
  coalesce_.setTimerType(Qt::PreciseTimer);
  connect(&coalesce_, &QTimer::timeout, this, &QtWaveIn::pullCaptured);
}

QtWaveIn::~QtWaveIn() {
  QtWaveNotices::Hold hold(notices_);
  listener_ = nullptr;
  stopSource();
}

WaveResult QtWaveIn::fail(WaveResult result, std::string text) {
  lastError_ = result;
  lastErrorText_ = std::move(text);
  return result;
}

std::string QtWaveIn::errorText(WaveResult result) const {
  if (result == lastError_ && !lastErrorText_.empty()) return lastErrorText_;
  return waveResultText(result);
}

WaveResult QtWaveIn::open(const WaveFormat& format, WaveInListener* listener) {
  QtWaveNotices::Hold hold(notices_);
  if (open_) return fail(WaveResult::Allocated, "The sound input is already open.");
  const QAudioDevice device = inputDevice(chooser_ ? chooser_() : std::string());
  if (device.isNull())
    return fail(WaveResult::BadDevice, "No sound input was found. Check that a microphone is connected and "
                                       "that the sound server is running.");
  const QAudioFormat qtFormat = toQtAudioFormat(format);
  if (!device.isFormatSupported(qtFormat))
    return fail(WaveResult::BadFormat, "The sound input \"" + device.description().toStdString() +
                                           "\" cannot record in this format.");
  source_ = std::make_unique<QAudioSource>(device, qtFormat);
  const int chunkBytes = qtFormat.bytesForDuration(kSourceChunkMs * 1000);
  source_->setBufferSize(std::max(chunkBytes & ~1, 64));
  listener_ = listener;
  open_ = true;
  started_ = false;
  notices_.post([this] {
    if (listener_) listener_->waveInOpened();
  });
  return WaveResult::Ok;
}

WaveResult QtWaveIn::prepare(WaveHeader* header) {
  if (!header || !header->data) return WaveResult::Error;
  header->flags = (header->flags | HeaderPrepared) & ~HeaderDone;
  return WaveResult::Ok;
}

WaveResult QtWaveIn::unprepare(WaveHeader* header) {
  if (header->flags & HeaderInQueue) return WaveResult::StillPlaying;
  header->flags &= ~HeaderPrepared;
  return WaveResult::Ok;
}

WaveResult QtWaveIn::add(WaveHeader* header) {
  if (!open_) return WaveResult::InvalidHandle;
  if (!(header->flags & HeaderPrepared)) return WaveResult::Unprepared;
  header->flags = (header->flags | HeaderInQueue) & ~HeaderDone;
  header->bytesRecorded = 0;
  queue_.push_back(header);
  return WaveResult::Ok;
}

WaveResult QtWaveIn::start() {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  if (started_) return WaveResult::Ok;
  io_ = source_->start();
  if (!io_ || source_->error() != QAudio::NoError) {
    source_->stop();
    io_ = nullptr;
    return fail(WaveResult::HandleBusy, "The sound input could not be started; another program may be using it.");
  }
  connect(io_, &QIODevice::readyRead, this, &QtWaveIn::capturedReady);
  started_ = true;
  sinceLastPull_.start();
  poll_.start();
  return WaveResult::Ok;
}

void QtWaveIn::capturedReady() {
  // readyRead works: the poll is not needed any more.
  poll_.stop();
  if (coalesce_.isActive()) return;
  const qint64 wait = kPullIntervalMs - sinceLastPull_.elapsed();
  if (wait <= 0) {
    pullCaptured();
  } else {
    coalesce_.start(static_cast<int>(wait));
  }
}

// Moves everything captured so far into the queued buffers; a full one goes back.
void QtWaveIn::pullCaptured() {
  QtWaveNotices::Hold hold(notices_);
  if (!started_ || !io_) return;
  coalesce_.stop();
  sinceLastPull_.restart();
  for (;;) {
    if (queue_.empty()) {
      // Running dry: what is captured now has nowhere to go.
      if (io_->read(scratch_.data(), static_cast<qint64>(scratch_.size())) <= 0) return;
      continue;
    }
    WaveHeader* h = queue_.front();
    const qint64 room = h->bufferBytes - h->bytesRecorded;
    const qint64 got = room > 0 ? io_->read(h->data + h->bytesRecorded, room) : 0;
    if (got > 0) h->bytesRecorded += static_cast<uint32_t>(got);
    if (h->bytesRecorded >= h->bufferBytes) {
      returnFront();
      continue;
    }
    if (got <= 0) return;
  }
}

void QtWaveIn::returnFront() {
  WaveHeader* h = queue_.front();
  queue_.pop_front();
  h->flags = (h->flags | HeaderDone) & ~HeaderInQueue;
  notices_.post([this, h] {
    if (listener_) listener_->waveInData(h);
  });
}

void QtWaveIn::stopSource() {
  poll_.stop();
  coalesce_.stop();
  if (io_) disconnect(io_, nullptr, this, nullptr);
  io_ = nullptr;
  if (source_) source_->stop();
  started_ = false;
}

WaveResult QtWaveIn::reset() {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  pullCaptured();  // what was captured up to now belongs to the take
  stopSource();
  while (!queue_.empty()) returnFront();
  return WaveResult::Ok;
}

WaveResult QtWaveIn::close() {
  QtWaveNotices::Hold hold(notices_);
  if (!open_) return WaveResult::InvalidHandle;
  if (!queue_.empty()) return WaveResult::StillPlaying;
  stopSource();
  source_.reset();
  open_ = false;
  notices_.post([this] {
    if (listener_) listener_->waveInClosed();
  });
  return WaveResult::Ok;
}

void QtWaveIn::forget(WaveInListener* listener) {
  if (listener != listener_) return;
  notices_.clear();
  listener_ = nullptr;
}

bool QtWaveIn::waitUntil(const std::function<bool()>& done) {
  return runQtEventsUntil(done, [this] { return !notices_.empty() || (started_ && !queue_.empty()); });
}

}  // namespace velmora
