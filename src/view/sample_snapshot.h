#pragma once
// The open recording's samples as the analysis workers read them: one copy, made by the
// first worker that asks (so the UI thread never spends the time), shared by all of them.
//
//   get(): the copy, made now if it is not yet; empty once the samples were released before
//     anyone copied them. Any thread.
//   release(): the document's samples are about to change or go. Waits for a copy on its way
//     and never reads the samples again; true when a copy exists. UI thread, before the change.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace velmora {

class SampleSnapshot {
 public:
  explicit SampleSnapshot(const std::vector<int16_t>& source) : source_(&source) {}
  SampleSnapshot(const SampleSnapshot&) = delete;
  SampleSnapshot& operator=(const SampleSnapshot&) = delete;

  std::shared_ptr<const std::vector<int16_t>> get();
  bool release();

 private:
  std::mutex mutex_;
  const std::vector<int16_t>* source_;
  std::shared_ptr<const std::vector<int16_t>> copy_;
};

}  // namespace velmora
