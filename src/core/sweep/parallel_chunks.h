// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

#include "core/sweep/vector_state.h"

namespace dorix {

// All the cores of this machine, at least one.
inline unsigned AllCores() {
  return std::max(1U, std::thread::hardware_concurrency());
}

// Computes compute(i) for every i in [0, count) on up to `jobs` threads and
// hands the results to consume(first, results) chunk after chunk, in order,
// on the calling thread. Each thread calls a compute of its own, made by
// makeCompute() on that thread, so compute may keep scratch state from one i
// to the next; the results must not depend on it, nor on `jobs`.
template <typename MakeCompute, typename Consume>
void ParallelChunksOf(long count, unsigned jobs, MakeCompute makeCompute, Consume consume) {
  using Result = decltype(makeCompute()(0L));
  // Large enough that starting threads costs little, small enough that the
  // consumer sees progress and memory stays bounded.
  constexpr long kChunk = 8192;
  jobs = std::max(1U, jobs);
  std::vector<Result> results;
  for (long first = 0; first < count; first += kChunk) {
    const long size = std::min(kChunk, count - first);
    results.assign(static_cast<std::size_t>(size), Result{});
    auto work = [&](long from, long to) {
      ClearUpperVectorState();
      auto compute = makeCompute();
      for (long i = from; i < to; ++i) results[static_cast<std::size_t>(i)] = compute(first + i);
    };
    const long parts = std::min<long>(jobs, size);
    std::vector<std::jthread> helpers;
    helpers.reserve(static_cast<std::size_t>(parts - 1));
    for (long p = 1; p < parts; ++p)
      helpers.emplace_back(work, size * p / parts, size * (p + 1) / parts);
    work(0, size / parts);
    helpers.clear();  // joins
    consume(first, results);
  }
}

// ParallelChunksOf with one compute for all threads: it must be safe to call
// from several threads at once.
template <typename Compute, typename Consume>
void ParallelChunks(long count, unsigned jobs, Compute compute, Consume consume) {
  ParallelChunksOf(
      count, jobs, [&compute] { return std::ref(compute); }, consume);
}

}  // namespace dorix
