#pragma once
// Converting image-buffer rows into raw PNG rows for writing, and choosing each row's filter.
#include <cstddef>
#include <cstdint>

#include "png/pngobject.h"

// Writes `count` pixels of the image row `src` (columns start, start + step, ...; alpha from
// `alpha` for formats with alpha) into `raw` in PNG sample layout. `inverse` maps displayed
// colour values back to stored samples.
using TRowEncoder = void (*)(const std::uint8_t* inverse, const std::uint8_t* src,
                             const std::uint8_t* alpha, std::uint8_t* raw, std::uint32_t count,
                             std::uint32_t start, std::uint32_t step);

// For the header's colour type and (already written) bit depth; null when the format lacks it.
// With `identityInverse` the encoder may skip the inverse table (it maps every value to itself).
TRowEncoder RowEncoderFor(std::uint8_t colorType, std::uint8_t bitDepth, bool identityInverse);

// Buffers of the filter choice. previous (buffer 0) holds the previous raw row on entry and the
// current one on return (not updated for a set of Sub alone, which never reads it);
// filtered[1..4] must hold `length` bytes for each filter in `filters`.
struct TFilterBuffers {
  std::uint8_t* previous;
  std::uint8_t* filtered[5];
};

// Filters `raw` with every filter of the set and returns the type to write; the chosen row is
// then in buffers.filtered[type] (type 0: buffers.previous, the raw row itself).
std::uint8_t FilterToEncode(TFilters filters, const std::uint8_t* raw, TFilterBuffers& buffers,
                            std::size_t length, std::size_t offset);
