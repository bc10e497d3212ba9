// Wall-clock bounds of the tests. Such a bound says that an operation gives up instead of
// hanging, not how fast it is: a sanitizer build on a busy machine runs the same code
// several times slower, so there every bound gets that margin. Lower bounds and the
// program's own timeouts are never scaled.
#pragma once

#ifdef ORV_TEST_SANITIZER_BUILD
constexpr int kSlowBuildFactor = 4;
#else
constexpr int kSlowBuildFactor = 1;
#endif

// `limit` (milliseconds, seconds or a std::chrono duration) with the build's margin.
template <typename T>
constexpr T timeBound(T limit) {
  return limit * kSlowBuildFactor;
}
