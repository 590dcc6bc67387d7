#pragma once
// The seven passes of the Adam7 interlace: where each starts and how far it steps.
#include <cstdint>

struct Adam7Pass {
  std::uint32_t startRow, startColumn, rowStep, columnStep;
};
inline constexpr Adam7Pass kAdam7Passes[7] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4},
                                              {0, 2, 4, 4}, {2, 0, 4, 2}, {0, 1, 2, 2},
                                              {1, 0, 2, 1}};

// Pixels of one pass row for an image `width` wide, 0 when the pass has no column there.
constexpr std::uint32_t Adam7PassWidth(const Adam7Pass& pass, std::uint32_t width) {
  return width <= pass.startColumn ? 0
                                   : (width - pass.startColumn + pass.columnStep - 1) /
                                         pass.columnStep;
}
