#pragma once
// Timing of repeated codec runs: one untimed warm-up, then N timed runs.
#include <cstdint>
#include <functional>
#include <string>

struct RunTimes {
  double medianMs = 0, minMs = 0, maxMs = 0;
  int runs = 0;
};

// With warmUp, calls `run` once untimed first; then `runs` times timed (at least once).
RunTimes TimeRuns(int runs, bool warmUp, const std::function<void()>& run);

// The one result line: median_ms=... min_ms=... max_ms=... n=... out_bytes=...
std::string ResultLine(const RunTimes& times, std::uint64_t outBytes);
