#pragma once
// Scripted wave devices for the engine tests. Nothing happens by itself: a test fills or
// completes queued buffers, and notifications wait in an outbox until the event loop runs
// (deliver(), or an engine's wait). Any call can be made to fail on demand, and every call
// is logged by name.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "audio/wave_in_device.h"
#include "audio/wave_out_device.h"

namespace velmora::testing {

// Shared plumbing: call log, failures on demand, notification outbox.
class FakeDeviceBase {
 public:
  std::vector<std::string> calls;
  // The next call of that name fails with the result (once per entry).
  std::multimap<std::string, WaveResult> failures;
  bool stalled = false;  // a wait found nothing left to deliver and gave up

  void failNext(const std::string& call, WaveResult result) { failures.emplace(call, result); }
  int countOf(const std::string& call) const;
  size_t pendingNotifications() const { return outbox_.size(); }
  // Delivers every notification, including those posted while delivering.
  void deliver();
  // Delivers one notification; false when there was none.
  bool deliverOne();
  bool waitUntilImpl(const std::function<bool()>& done);

 protected:
  WaveResult enter(const std::string& call);
  void post(std::function<void()> notification) { outbox_.push_back(std::move(notification)); }
  void dropOutbox() { outbox_.clear(); }

 private:
  std::deque<std::function<void()>> outbox_;
};

class FakeWaveIn : public WaveInDevice, public FakeDeviceBase {
 public:
  WaveFormat openedFormat;
  bool started = false;
  // When set, captured sample n (counted from the first, including dropped ones) is
  // source(n) instead of the running counter: a voice for the analysis tests.
  std::function<int16_t(int64_t)> source;

  WaveResult open(const WaveFormat& format, WaveInListener* listener) override;
  WaveResult prepare(WaveHeader* header) override;
  WaveResult unprepare(WaveHeader* header) override;
  WaveResult add(WaveHeader* header) override;
  WaveResult start() override;
  WaveResult reset() override;
  WaveResult close() override;
  bool isOpen() const override { return open_; }
  void forget(WaveInListener* listener) override;
  bool waitUntil(const std::function<bool()>& done) override { return waitUntilImpl(done); }

  // Fills the front queued buffer completely with the next values of a running sample
  // counter and returns it; false when nothing is queued.
  bool fillNext();
  // fillNext() n times; the number filled.
  int fill(int n);
  // Writes `bytes` into the front buffer without returning it (a partly filled buffer).
  void fillPartly(uint32_t bytes);
  // The counter value the next captured sample gets.
  int16_t nextSample() const { return next_; }
  // Captured while nothing was queued (dropped): samples skipped by the counter.
  void captureDropped(int samples) {
    next_ = static_cast<int16_t>(next_ + samples);
    captured_ += samples;
  }
  size_t queued() const { return queue_.size(); }
  const std::deque<WaveHeader*>& queue() const { return queue_; }

 private:
  void returnFront();
  bool open_ = false;
  WaveInListener* listener_ = nullptr;
  std::deque<WaveHeader*> queue_;
  int16_t next_ = 0;
  int64_t captured_ = 0;
};

class FakeWaveOut : public WaveOutDevice, public FakeDeviceBase {
 public:
  bool paused = false;
  double volume = 1.0;
  std::vector<uint32_t> writtenBytes;   // length of every block written, in order
  std::vector<const char*> writtenData;

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
  WaveResult setVolume(double v) override;
  void forget(WaveOutListener* listener) override;
  bool waitUntil(const std::function<bool()>& done) override { return waitUntilImpl(done); }

  // Completes the front n queued blocks (as played); the number completed.
  int complete(int n);
  // Plays everything to the end, delivering as it goes.
  void playToEnd();
  size_t queued() const { return queue_.size(); }

 private:
  bool open_ = false;
  WaveOutListener* listener_ = nullptr;
  std::deque<WaveHeader*> queue_;
};

}  // namespace velmora::testing
