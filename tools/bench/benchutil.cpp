#include "tools/bench/benchutil.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {
volatile std::size_t sink;
}  // namespace

double MedianMs(int runs, const std::function<std::size_t()>& f) {
  sink = f();  // warm-up
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    sink = f();
    ms.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

TBitmap ClipboardBitmap(const CorpusImage& img) {
  TBitmap b(static_cast<int>(img.width), static_cast<int>(img.height), 32);
  for (std::uint32_t y = 0; y < img.height; ++y) {
    std::uint8_t* row = b.ScanLine(static_cast<int>(y));
    const std::uint8_t* src = img.pixels.data() + std::size_t{y} * img.width * 3;
    for (std::uint32_t x = 0; x < img.width; ++x) {
      row[4 * x] = src[3 * x + 2];
      row[4 * x + 1] = src[3 * x + 1];
      row[4 * x + 2] = src[3 * x];
    }
  }
  return b;
}
