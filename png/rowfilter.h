#pragma once
// Undoing the five PNG row filters.
#include <cstddef>
#include <cstdint>

// Reverses the filter `type` of `row` in place. `row` and `previous` hold `length` bytes each
// (the filter byte is not part of them) and must not overlap; `previous` is the row above,
// already unfiltered, or zeros for a first row. `offset` is the bytes of one pixel, 1 to 8.
// Types 0 and above 4 leave the row as it is.
void UnfilterRow(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous,
                 std::size_t length, std::size_t offset);

// The predictor of the Paeth filter.
inline std::uint8_t PaethPredictor(int a, int b, int c) {
  const int pa = b > c ? b - c : c - b;
  const int pb = a > c ? a - c : c - a;
  const int abc = a + b - 2 * c;
  const int pc = abc < 0 ? -abc : abc;
  if (pa <= pb && pa <= pc) return static_cast<std::uint8_t>(a);
  return static_cast<std::uint8_t>(pb <= pc ? b : c);
}
