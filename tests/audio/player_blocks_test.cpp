// How a range is cut into playback blocks.
#include <gtest/gtest.h>

#include "audio/block_plan.h"

namespace velmora {
namespace {

// The blocks must tile the range exactly: contiguous, in order, nothing left over.
void expectTiles(const BlockPlan& plan, int64_t length) {
  int64_t next = 0;
  for (int i = 0; i < plan.blockCount; ++i) {
    EXPECT_EQ(plan.offsetOf(i), next) << "block " << i;
    EXPECT_GT(plan.lengthOf(i), 0) << "block " << i;
    next += plan.lengthOf(i);
  }
  EXPECT_EQ(next, length);
}

TEST(BlockPlan, NegativeLengthIsRefused) {
  EXPECT_FALSE(planBlocks({0, -1, 1024, false, false, 0}));
}

TEST(BlockPlan, RangesNoLongerThanTheLeadBlockPlayAsOneBlock) {
  for (int64_t length : {1, 1000, 1499, 1500}) {
    for (bool zoomed : {false, true}) {
      auto plan = planBlocks({0, length, 1024, zoomed, true, 600});
      ASSERT_TRUE(plan);
      EXPECT_EQ(plan->blockCount, 1) << length;
      EXPECT_EQ(plan->lengthOf(0), length);
      EXPECT_EQ(plan->queueAhead, 1);
    }
  }
}

TEST(BlockPlan, LeadBlockThenEvenBlocksWithTheRemainderInTheLast) {
  const int64_t length = 1500 + 10 * 1024 + 37;  // 10 blocks of 1024 after the lead, 37 over
  auto plan = planBlocks({0, length, 1024, false, false, 0});
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->blockCount, 10);
  EXPECT_EQ(plan->lengthOf(0), 1500);
  EXPECT_EQ(plan->blockSamples, (length - 1500) / 10);  // 1027
  for (int i = 1; i < 9; ++i) EXPECT_EQ(plan->lengthOf(i), 1027);
  EXPECT_EQ(plan->lengthOf(9), length - 1500 - 8 * 1027);
  expectTiles(*plan, length);
}

TEST(BlockPlan, OneBlockAfterTheLeadStillPlaysTheWholeRange) {
  auto plan = planBlocks({0, 1500 + 1500, 1024, false, false, 0});
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->blockCount, 1);
  EXPECT_EQ(plan->lengthOf(0), 3000);
}

TEST(BlockPlan, AtMostAHundredQueuedAheadUnlessZoomed) {
  const int64_t length = 1500 + 500 * 1024;
  auto plan = planBlocks({0, length, 1024, false, false, 600});
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->blockCount, 500);
  EXPECT_EQ(plan->queueAhead, 100);
  expectTiles(*plan, length);
  auto zoomedSpectrogram = planBlocks({0, length, 1024, true, false, 600});
  ASSERT_TRUE(zoomedSpectrogram);
  EXPECT_EQ(zoomedSpectrogram->blockCount, 500);
  EXPECT_EQ(zoomedSpectrogram->queueAhead, 500);
}

TEST(BlockPlan, ZoomedWaveformPlaysOneBlockPerTwoPixels) {
  for (int64_t length : {int64_t{50000}, int64_t{1500 + 300 * 7}, int64_t{1234567}}) {
    auto plan = planBlocks({0, length, 1024, true, true, 600});
    ASSERT_TRUE(plan);
    // Blocks of (L - 1500) / (width / 2) samples: about one per two pixels, never fewer.
    const int64_t blockSamples = (length - 1500) / 300;
    EXPECT_EQ(plan->blockSamples, (length - 1500) / plan->blockCount);
    EXPECT_EQ(plan->blockCount, (length - 1500) / blockSamples) << length;
    EXPECT_GE(plan->blockCount, 300);
    EXPECT_LE(plan->blockCount, 302);
    EXPECT_EQ(plan->queueAhead, plan->blockCount);
    expectTiles(*plan, length);
  }
}

TEST(BlockPlan, DegenerateBlockSizesAndWidthsFallBackSafely) {
  auto noBlockSize = planBlocks({0, 100000, 0, false, false, 0});
  ASSERT_TRUE(noBlockSize);
  EXPECT_EQ(noBlockSize->blockCount, 1);
  EXPECT_EQ(noBlockSize->lengthOf(0), 100000);
  // A pane one pixel wide cannot give one block per two pixels: the given size applies.
  auto narrow = planBlocks({0, 1500 + 4096, 1024, true, true, 1});
  ASSERT_TRUE(narrow);
  EXPECT_EQ(narrow->blockCount, 4);
  // A zoomed range barely longer than the lead gives fewer blocks than pixels, never
  // negative or empty ones.
  auto barely = planBlocks({0, 1600, 1024, true, true, 600});
  ASSERT_TRUE(barely);
  expectTiles(*barely, 1600);
}

}  // namespace
}  // namespace velmora
