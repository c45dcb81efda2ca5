#include "view/sample_snapshot.h"

namespace velmora {

std::shared_ptr<const std::vector<int16_t>> SampleSnapshot::get() {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!copy_ && source_) copy_ = std::make_shared<const std::vector<int16_t>>(*source_);
  return copy_;
}

bool SampleSnapshot::release() {
  const std::lock_guard<std::mutex> lock(mutex_);
  source_ = nullptr;
  return copy_ != nullptr;
}

}  // namespace velmora
