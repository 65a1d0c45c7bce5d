// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "core/sweep/parallel_chunks.h"

namespace dorix {
namespace {

struct ChunkCase {
  long count;
  unsigned jobs;
};

class ParallelChunksCases : public ::testing::TestWithParam<ChunkCase> {};

// Every index is computed once, by the compute its thread made (so that
// compute may keep state), and consumed once, in order, chunk after chunk.
TEST_P(ParallelChunksCases, ConsumesEveryResultOnceInOrder) {
  const auto [count, jobs] = GetParam();
  std::atomic<long> computed{0};
  long consumed = 0;
  ParallelChunksOf(
      count, jobs,
      [&] {
        return [&, maker = std::this_thread::get_id(), last = -1L](long i) mutable {
          EXPECT_EQ(std::this_thread::get_id(), maker);
          EXPECT_GT(i, last);  // a thread's indices only grow
          last = i;
          ++computed;
          return i * 3 + 1;
        };
      },
      [&](long first, const std::vector<long>& results) {
        EXPECT_EQ(first, consumed);
        for (const long result : results) EXPECT_EQ(result, consumed++ * 3 + 1);
      });
  EXPECT_EQ(computed.load(), count);
  EXPECT_EQ(consumed, count);
}

INSTANTIATE_TEST_SUITE_P(Counts, ParallelChunksCases,
                         ::testing::Values(ChunkCase{0, 4}, ChunkCase{1, 4}, ChunkCase{3, 8},
                                           ChunkCase{8192, 2}, ChunkCase{8193, 3},
                                           ChunkCase{20000, 1}, ChunkCase{20000, 4}));

}  // namespace
}  // namespace dorix
