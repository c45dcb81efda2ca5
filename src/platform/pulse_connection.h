#pragma once
// A client connection to the sound server (PulseAudio, or PipeWire's PulseAudio service) on
// its own threaded main loop. Requests are made with the loop locked and waited for; the
// callbacks run on the loop's thread.
#include <pulse/pulseaudio.h>

#include <atomic>
#include <functional>

namespace velmora {

class PulseConnection {
 public:
  // Connects at once (no server is started); ready() tells whether it worked.
  explicit PulseConnection(const char* clientName);
  ~PulseConnection();
  PulseConnection(const PulseConnection&) = delete;
  PulseConnection& operator=(const PulseConnection&) = delete;

  // Connected and not lost since.
  bool ready() const { return ready_.load(); }
  pa_context* context() const { return context_; }
  pa_threaded_mainloop* loop() const { return loop_; }

  // Holds the loop's lock for a scope.
  class Lock {
   public:
    explicit Lock(const PulseConnection& c) : loop_(c.loop_) { pa_threaded_mainloop_lock(loop_); }
    ~Lock() { pa_threaded_mainloop_unlock(loop_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    pa_threaded_mainloop* loop_;
  };

  // With the lock held: waits until the operation ends or the connection is lost; false
  // when it did not complete.
  bool wait(pa_operation* op) const;
  // From a callback on the loop's thread: wakes wait().
  void signal() const { pa_threaded_mainloop_signal(loop_, 0); }
  // Called on the loop's thread when the connection is lost.
  void setLostCallback(std::function<void()> lost) { lost_ = std::move(lost); }

 private:
  static void stateChanged(pa_context* c, void* self);

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  std::atomic<bool> ready_{false};
  std::function<void()> lost_;
};

}  // namespace velmora
