#include "tools/imgtool/timing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

RunTimes TimeRuns(int runs, bool warmUp, const std::function<void()>& run) {
  if (warmUp) run();
  std::vector<double> ms;
  for (int i = 0; i < std::max(runs, 1); ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(ms.begin(), ms.end());
  const std::size_t n = ms.size();
  const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  return {median, ms.front(), ms.back(), static_cast<int>(n)};
}

std::string ResultLine(const RunTimes& t, std::uint64_t outBytes) {
  char line[160];
  std::snprintf(line, sizeof line, "median_ms=%.3f min_ms=%.3f max_ms=%.3f n=%d out_bytes=%llu",
                t.medianMs, t.minMs, t.maxMs, t.runs, static_cast<unsigned long long>(outBytes));
  return line;
}
