#pragma once
// The notifications a wave device owes its listener: delivered from the event loop, one per
// turn, in the order posted. While a device call is under way they are held back: Qt's
// audio classes run events of their own while they stop, and a notification delivered there
// would call the engine back in the middle of the device call.
#include <QObject>
#include <deque>
#include <functional>

namespace velmora {

class QtWaveNotices : public QObject {
 public:
  void post(std::function<void()> notice);
  void clear() { pending_.clear(); }
  bool empty() const { return pending_.empty(); }

  // Held for its lifetime; the deliveries that fell due meanwhile follow afterwards.
  class Hold {
   public:
    explicit Hold(QtWaveNotices& notices) : notices_(notices) { ++notices_.holdDepth_; }
    ~Hold() { notices_.release(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    QtWaveNotices& notices_;
  };

 private:
  void schedule();
  void deliverOne();
  void release();

  std::deque<std::function<void()>> pending_;
  int holdDepth_ = 0;
  int missed_ = 0;
};

}  // namespace velmora
