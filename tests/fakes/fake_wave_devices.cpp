#include "fakes/fake_wave_devices.h"

#include <algorithm>
#include <cstring>

namespace velmora::testing {

int FakeDeviceBase::countOf(const std::string& call) const {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

WaveResult FakeDeviceBase::enter(const std::string& call) {
  calls.push_back(call);
  auto it = failures.find(call);
  if (it == failures.end()) return WaveResult::Ok;
  WaveResult r = it->second;
  failures.erase(it);
  return r;
}

bool FakeDeviceBase::deliverOne() {
  if (outbox_.empty()) return false;
  auto n = std::move(outbox_.front());
  outbox_.pop_front();
  n();
  return true;
}

void FakeDeviceBase::deliver() {
  while (deliverOne()) {
  }
}

bool FakeDeviceBase::waitUntilImpl(const std::function<bool()>& done) {
  while (!done()) {
    if (!deliverOne()) {
      // A real event loop would wait here for ever.
      stalled = true;
      return false;
    }
  }
  return true;
}

// ---- input ----

WaveResult FakeWaveIn::open(const WaveFormat& format, WaveInListener* listener) {
  WaveResult r = enter("open");
  if (r != WaveResult::Ok) return r;
  if (open_) return WaveResult::Allocated;
  open_ = true;
  listener_ = listener;
  openedFormat = format;
  post([this] { listener_->waveInOpened(); });
  return r;
}

WaveResult FakeWaveIn::prepare(WaveHeader* header) {
  WaveResult r = enter("prepare");
  if (r == WaveResult::Ok) header->flags = (header->flags | HeaderPrepared) & ~HeaderDone;
  return r;
}

WaveResult FakeWaveIn::unprepare(WaveHeader* header) {
  WaveResult r = enter("unprepare");
  if (r != WaveResult::Ok) return r;
  if (header->flags & HeaderInQueue) return WaveResult::StillPlaying;
  header->flags &= ~HeaderPrepared;
  return r;
}

WaveResult FakeWaveIn::add(WaveHeader* header) {
  WaveResult r = enter("add");
  if (r != WaveResult::Ok) return r;
  if (!open_) return WaveResult::InvalidHandle;
  if (!(header->flags & HeaderPrepared)) return WaveResult::Unprepared;
  header->flags = (header->flags | HeaderInQueue) & ~HeaderDone;
  header->bytesRecorded = 0;
  queue_.push_back(header);
  return r;
}

WaveResult FakeWaveIn::start() {
  WaveResult r = enter("start");
  if (r != WaveResult::Ok) return r;
  if (!open_) return WaveResult::InvalidHandle;
  started = true;
  return r;
}

WaveResult FakeWaveIn::reset() {
  WaveResult r = enter("reset");
  if (r != WaveResult::Ok) return r;
  if (!open_) return WaveResult::InvalidHandle;
  started = false;
  while (!queue_.empty()) returnFront();
  return r;
}

WaveResult FakeWaveIn::close() {
  WaveResult r = enter("close");
  if (r != WaveResult::Ok) return r;
  if (!open_) return WaveResult::InvalidHandle;
  if (!queue_.empty()) return WaveResult::StillPlaying;
  open_ = false;
  started = false;
  post([this] { listener_->waveInClosed(); });
  return r;
}

void FakeWaveIn::forget(WaveInListener* listener) {
  if (listener == listener_) dropOutbox();
}

void FakeWaveIn::returnFront() {
  WaveHeader* h = queue_.front();
  queue_.pop_front();
  h->flags = (h->flags | HeaderDone) & ~HeaderInQueue;
  post([this, h] { listener_->waveInData(h); });
}

void FakeWaveIn::fillPartly(uint32_t bytes) {
  if (queue_.empty()) return;
  WaveHeader* h = queue_.front();
  bytes = std::min(bytes, h->bufferBytes - h->bytesRecorded);
  for (uint32_t i = 0; i + 1 < bytes; i += 2) {
    const int16_t value = source ? source(captured_) : next_;
    std::memcpy(h->data + h->bytesRecorded + i, &value, 2);
    next_ = static_cast<int16_t>(next_ + 1);
    ++captured_;
  }
  h->bytesRecorded += bytes;
}

bool FakeWaveIn::fillNext() {
  if (queue_.empty() || !started) return false;
  WaveHeader* h = queue_.front();
  fillPartly(h->bufferBytes - h->bytesRecorded);
  returnFront();
  return true;
}

int FakeWaveIn::fill(int n) {
  int done = 0;
  while (done < n && fillNext()) ++done;
  return done;
}

// ---- output ----

WaveResult FakeWaveOut::query(const WaveFormat&) { return enter("query"); }

WaveResult FakeWaveOut::open(const WaveFormat&, WaveOutListener* listener) {
  WaveResult r = enter("open");
  if (r != WaveResult::Ok) return r;
  if (open_) return WaveResult::Allocated;
  open_ = true;
  paused = false;
  listener_ = listener;
  post([this] { listener_->waveOutOpened(); });
  return r;
}

WaveResult FakeWaveOut::prepare(WaveHeader* header) {
  WaveResult r = enter("prepare");
  if (r == WaveResult::Ok) header->flags = (header->flags | HeaderPrepared) & ~HeaderDone;
  return r;
}

WaveResult FakeWaveOut::unprepare(WaveHeader* header) {
  WaveResult r = enter("unprepare");
  if (r != WaveResult::Ok) return r;
  if (header->flags & HeaderInQueue) return WaveResult::StillPlaying;
  header->flags &= ~HeaderPrepared;
  return r;
}

WaveResult FakeWaveOut::write(WaveHeader* header) {
  WaveResult r = enter("write");
  if (r != WaveResult::Ok) return r;
  if (!open_) return WaveResult::InvalidHandle;
  if (!(header->flags & HeaderPrepared)) return WaveResult::Unprepared;
  header->flags = (header->flags | HeaderInQueue) & ~HeaderDone;
  queue_.push_back(header);
  writtenBytes.push_back(header->bufferBytes);
  writtenData.push_back(header->data);
  return r;
}

WaveResult FakeWaveOut::pause() {
  WaveResult r = enter("pause");
  if (r == WaveResult::Ok) paused = true;
  return r;
}

WaveResult FakeWaveOut::restart() {
  WaveResult r = enter("restart");
  if (r == WaveResult::Ok) paused = false;
  return r;
}

WaveResult FakeWaveOut::reset() {
  WaveResult r = enter("reset");
  if (r != WaveResult::Ok) return r;
  if (!open_) return WaveResult::InvalidHandle;
  paused = false;
  while (!queue_.empty()) {
    WaveHeader* h = queue_.front();
    queue_.pop_front();
    h->flags = (h->flags | HeaderDone) & ~HeaderInQueue;
    post([this, h] { listener_->waveOutDone(h); });
  }
  return r;
}

WaveResult FakeWaveOut::close() {
  WaveResult r = enter("close");
  if (r != WaveResult::Ok) return r;
  if (!open_) return WaveResult::InvalidHandle;
  if (!queue_.empty()) return WaveResult::StillPlaying;
  open_ = false;
  post([this] { listener_->waveOutClosed(); });
  return r;
}

WaveResult FakeWaveOut::setVolume(double v) {
  WaveResult r = enter("setVolume");
  if (r == WaveResult::Ok) volume = v;
  return r;
}

void FakeWaveOut::forget(WaveOutListener* listener) {
  if (listener == listener_) dropOutbox();
}

int FakeWaveOut::complete(int n) {
  int done = 0;
  while (done < n && !queue_.empty() && !paused) {
    WaveHeader* h = queue_.front();
    queue_.pop_front();
    h->flags = (h->flags | HeaderDone) & ~HeaderInQueue;
    post([this, h] { listener_->waveOutDone(h); });
    ++done;
  }
  return done;
}

void FakeWaveOut::playToEnd() {
  while (!paused && (complete(1) || pendingNotifications())) deliver();
}

}  // namespace velmora::testing
