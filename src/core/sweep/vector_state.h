// SPDX-License-Identifier: MIT
#pragma once

namespace dorix {

// Clears the upper halves of the AVX registers. Some libraries leave them in
// use (a window system's event loop does, on some machines), and until they
// are cleared every SSE instruction of this program, which is built without
// AVX, runs many times slower: a sweep started from a window took five times
// as long as the same sweep on the command line. Cheap enough to do before
// every run of calculations.
inline void ClearUpperVectorState() {
#if defined(__x86_64__) && !defined(__AVX__) && (defined(__GNUC__) || defined(__clang__))
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

}  // namespace dorix
