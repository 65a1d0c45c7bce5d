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

// Every index is computed once and consumed once, in order, chunk after chunk.
TEST_P(ParallelChunksCases, ConsumesEveryResultOnceInOrder) {
  const auto [count, jobs] = GetParam();
  std::atomic<long> computed{0};
  std::vector<long> seen;
  long expectedFirst = 0;
  ParallelChunks(
      count, jobs,
      [&](long i) {
        ++computed;
        return i * 3 + 1;
      },
      [&](long first, const std::vector<long>& results) {
        EXPECT_EQ(first, expectedFirst);
        expectedFirst += static_cast<long>(results.size());
        seen.insert(seen.end(), results.begin(), results.end());
      });
  EXPECT_EQ(computed.load(), count);
  ASSERT_EQ(static_cast<long>(seen.size()), count);
  for (long i = 0; i < count; ++i) ASSERT_EQ(seen[static_cast<std::size_t>(i)], i * 3 + 1);
}

// Each thread calls the compute it made, so that compute may keep state.
TEST_P(ParallelChunksCases, GivesEachThreadItsOwnCompute) {
  const auto [count, jobs] = GetParam();
  long consumed = 0;
  ParallelChunksOf(
      count, jobs,
      [] {
        return [maker = std::this_thread::get_id(), next = -1L](long i) mutable {
          EXPECT_EQ(std::this_thread::get_id(), maker);
          EXPECT_TRUE(next < 0 || i == next);  // a thread's indices follow one another
          next = i + 1;
          return i;
        };
      },
      [&](long, const std::vector<long>& results) {
        for (const long i : results) EXPECT_EQ(i, consumed++);
      });
  EXPECT_EQ(consumed, count);
}

INSTANTIATE_TEST_SUITE_P(Counts, ParallelChunksCases,
                         ::testing::Values(ChunkCase{0, 4}, ChunkCase{1, 4}, ChunkCase{3, 8},
                                           ChunkCase{8192, 2}, ChunkCase{8193, 3},
                                           ChunkCase{20000, 1}, ChunkCase{20000, 4}));

}  // namespace
}  // namespace dorix
