#pragma once
// One computation on a worker thread whose result is handed to the UI thread.
//
//   start(work, done): work(stopFlag) runs on a new thread over data it owns (captured by
//     value); when it returns, `post` asks the UI thread to call deliver(), which gives the
//     result to `done`.
//   stop(): sets the stop flag and waits for the thread; its result is dropped, so a late
//     result never reaches `done` (a deliver() already posted then finds nothing).
//   finish(): waits for the thread and delivers at once (printing, tests).
// Everything except the work itself runs on the UI thread.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

#include "analysis/stop_flag.h"

namespace velmora {

template <class Result>
class BackgroundTask {
 public:
  // Hands a function to the UI thread; called on the worker thread.
  using Post = std::function<void(std::function<void()>)>;

  explicit BackgroundTask(Post post) : post_(std::move(post)) {}
  ~BackgroundTask() { stop(); }
  BackgroundTask(const BackgroundTask&) = delete;
  BackgroundTask& operator=(const BackgroundTask&) = delete;

  bool running() const { return run_ != nullptr; }

  void start(std::function<Result(const StopFlag&)> work, std::function<void(Result)> done) {
    stop();
    run_ = std::make_shared<Run>();
    done_ = std::move(done);
    thread_ = std::thread([run = run_, work = std::move(work), post = post_, this] {
      run->result.emplace(work(run->stop));
      run->ready.store(true, std::memory_order_release);
      // Only the UI thread looks at `this`, and only while the run is still the current one.
      post([this, run] {
        if (run == run_) deliver();
      });
    });
  }

  void stop() {
    if (!run_) return;
    run_->stop.store(true, std::memory_order_relaxed);
    thread_.join();
    run_.reset();
    done_ = nullptr;
  }

  void finish() {
    if (!run_) return;
    thread_.join();
    deliver();
  }

 private:
  struct Run {
    StopFlag stop{false};
    std::atomic<bool> ready{false};
    std::optional<Result> result;
  };

  void deliver() {
    if (!run_ || !run_->ready.load(std::memory_order_acquire)) return;
    if (thread_.joinable()) thread_.join();
    Result result = std::move(*run_->result);
    run_.reset();
    auto done = std::move(done_);
    done_ = nullptr;
    if (done) done(std::move(result));
  }

  Post post_;
  std::shared_ptr<Run> run_;
  std::function<void(Result)> done_;
  std::thread thread_;
};

}  // namespace velmora
