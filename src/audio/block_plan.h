#pragma once
// How a range of samples is cut into playback blocks. Sound starts with a lead block of 1500
// samples; the rest is split into blocks of the given size (in a zoomed waveform, one block
// per two pixels so the cursor steps two pixels per block). The last block also takes what
// the even split leaves over, so the whole range plays. At most 100 blocks are queued ahead
// unless the view is zoomed; each completion queues one more.
#include <cstdint>
#include <optional>

namespace velmora {

inline constexpr int64_t kLeadBlockSamples = 1500;
inline constexpr int kQueueAheadBlocks = 100;

struct BlockPlayRequest {
  int64_t startSample = 0;     // first sample of the range, from the start of the recording
  int64_t lengthSamples = 0;   // samples in the range
  int blockSamples = 1024;     // block size when not zoomed (inputBufferBytes / 2)
  bool zoomed = false;
  bool waveformMode = false;   // file-waveform mode (with zoomed: one block per two pixels)
  int paneWidthPixels = 0;
};

struct BlockPlan {
  int blockCount = 0;          // blocks in all, the lead block included
  int64_t blockSamples = 0;    // length of the blocks after the lead
  int64_t lastBlockSamples = 0;
  int queueAhead = 0;          // blocks written at the start

  int64_t offsetOf(int block) const;  // samples from the range's start
  int64_t lengthOf(int block) const;
};

// Nothing for a negative length (msg::RecordingTooShort at the caller).
std::optional<BlockPlan> planBlocks(const BlockPlayRequest& request);

}  // namespace velmora
