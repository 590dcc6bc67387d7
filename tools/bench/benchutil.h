#pragma once
// What the benchmarks share: median timing and the corpus pictures as clipboard bitmaps.
#include <cstddef>
#include <functional>

#include "imaging/bitmap.h"
#include "tools/bench/corpus.h"

// Runs `f` once untimed, then `runs` times, and returns the median in milliseconds.
double MedianMs(int runs, const std::function<std::size_t()>& f);
// The RGB picture as the clipboard gives it on a true-colour display: 32 bits, blue, green, red.
TBitmap ClipboardBitmap(const CorpusImage& img);
