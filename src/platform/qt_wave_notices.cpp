#include "platform/qt_wave_notices.h"

namespace velmora {

void QtWaveNotices::post(std::function<void()> notice) {
  pending_.push_back(std::move(notice));
  schedule();
}

void QtWaveNotices::schedule() {
  QMetaObject::invokeMethod(this, [this] { deliverOne(); }, Qt::QueuedConnection);
}

void QtWaveNotices::deliverOne() {
  if (pending_.empty()) return;
  if (holdDepth_ > 0) {
    ++missed_;
    return;
  }
  auto notice = std::move(pending_.front());
  pending_.pop_front();
  notice();
}

void QtWaveNotices::release() {
  if (--holdDepth_ > 0) return;
  for (; missed_ > 0; --missed_) schedule();
}

}  // namespace velmora
