// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
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
// to the next (a thread's indices only grow); the results must not depend on
// it, nor on `jobs`.
//
// The threads take chunks as they come free rather than fixed shares, and the
// calling thread computes too whenever the next chunk in order is not ready:
// a thread that the system holds back delays nobody, and consuming overlaps
// computing. At most a few chunks per thread are in flight, so memory stays
// bounded however long the run.
template <typename MakeCompute, typename Consume>
void ParallelChunksOf(long count, unsigned jobs, MakeCompute makeCompute, Consume consume) {
  using Result = decltype(makeCompute()(0L));
  using Compute = decltype(makeCompute());
  jobs = std::max(1U, jobs);
  // Small enough that every thread gets several chunks of a short run, large
  // enough that taking one costs little against computing it.
  const long chunk = std::clamp(count / (8L * jobs), 1L, 4096L);
  const long chunks = (count + chunk - 1) / chunk;
  const long window = 4L * jobs;  // chunks computed ahead of the consumer

  std::mutex mutex;
  std::condition_variable changed;
  long taken = 0;     // chunks handed to a thread
  long consumed = 0;  // chunks consumed, in order
  std::vector<std::vector<Result>> buffers(static_cast<std::size_t>(std::min(window, chunks)));
  std::vector<char> ready(buffers.size(), 0);
  auto bufferOf = [&](long c) -> std::size_t { return static_cast<std::size_t>(c % window); };
  auto canTake = [&] { return taken < chunks && taken < consumed + window; };

  // Computes chunk c into its buffer; called without the lock. The vector
  // state is cleared each time since consume may have left it dirty.
  auto computeChunk = [&](Compute& compute, long c) {
    ClearUpperVectorState();
    std::vector<Result>& results = buffers[bufferOf(c)];
    const long first = c * chunk;
    results.assign(static_cast<std::size_t>(std::min(chunk, count - first)), Result{});
    for (std::size_t i = 0; i < results.size(); ++i)
      results[i] = compute(first + static_cast<long>(i));
  };
  auto helper = [&] {
    Compute compute = makeCompute();
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [&] { return canTake() || taken >= chunks; });
      if (taken >= chunks) return;
      const long c = taken++;
      lock.unlock();
      computeChunk(compute, c);
      lock.lock();
      ready[bufferOf(c)] = 1;
      changed.notify_all();
    }
  };

  std::vector<std::jthread> helpers;
  // Stops the helpers taking more chunks when consume throws; the jthreads
  // join on the way out either way.
  struct StopOnExit {
    std::function<void()> stop;
    ~StopOnExit() { stop(); }
  } stopOnExit{[&] {
    {
      const std::lock_guard lock(mutex);
      taken = chunks;
    }
    changed.notify_all();
  }};
  for (unsigned j = 1; j < jobs && j < chunks; ++j) helpers.emplace_back(helper);

  Compute own = makeCompute();
  std::unique_lock lock(mutex);
  while (consumed < chunks) {
    const std::size_t buffer = bufferOf(consumed);
    if (ready[buffer]) {
      lock.unlock();
      consume(consumed * chunk, buffers[buffer]);
      lock.lock();
      ready[buffer] = 0;
      ++consumed;
      changed.notify_all();
    } else if (canTake()) {
      const long c = taken++;
      lock.unlock();
      computeChunk(own, c);
      lock.lock();
      ready[bufferOf(c)] = 1;
    } else {
      changed.wait(lock);
    }
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
