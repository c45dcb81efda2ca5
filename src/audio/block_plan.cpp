#include "audio/block_plan.h"

#include <algorithm>

namespace velmora {

std::optional<BlockPlan> planBlocks(const BlockPlayRequest& r) {
  if (r.lengthSamples < 0) return std::nullopt;
  BlockPlan plan;
  const int64_t afterLead = r.lengthSamples - kLeadBlockSamples;
  int64_t blockSamples = r.blockSamples;
  const int halfWidth = r.paneWidthPixels / 2;
  if (r.zoomed && r.waveformMode && halfWidth > 0) blockSamples = afterLead / halfWidth;
  // A range no longer than the lead block (or a block size of nothing) plays as one block;
  // this also keeps a short zoomed range from getting negative block lengths.
  int64_t n = (afterLead > 0 && blockSamples > 0) ? afterLead / blockSamples : 0;
  if (n <= 1) {
    plan.blockCount = 1;
    plan.blockSamples = r.lengthSamples;
    plan.lastBlockSamples = r.lengthSamples;
  } else {
    plan.blockCount = static_cast<int>(std::min<int64_t>(n, 1 << 30));
    plan.blockSamples = afterLead / plan.blockCount;
    plan.lastBlockSamples = afterLead - (plan.blockCount - 2) * plan.blockSamples;
  }
  plan.queueAhead = r.zoomed ? plan.blockCount : std::min(plan.blockCount, kQueueAheadBlocks);
  return plan;
}

int64_t BlockPlan::offsetOf(int block) const {
  if (block <= 0 || blockCount == 1) return 0;
  return kLeadBlockSamples + (block - 1) * blockSamples;
}

int64_t BlockPlan::lengthOf(int block) const {
  if (blockCount == 1) return lastBlockSamples;
  if (block == 0) return kLeadBlockSamples;
  return block == blockCount - 1 ? lastBlockSamples : blockSamples;
}

}  // namespace velmora
