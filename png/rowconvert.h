#pragma once
// Converting unfiltered file rows into rows of the image buffer (Adam7 passes included).
#include <cstdint>

struct TRowConvertContext {
  const std::uint8_t* gamma;  // 256 entries, applied to colour samples of truecolour pixels
  bool gammaIsIdentity;       // lets the converters skip the lookups
};

// Writes `count` pixels of the unfiltered file row `src` into the image row `dst` (and the alpha
// row `alpha` for formats with alpha) at the columns start, start + step, ... Sub-byte pixels are
// ORed into a zeroed row. `dst` holds a whole image row; `alpha` is null without an alpha plane.
using TRowConverter = void (*)(const TRowConvertContext& ctx, const std::uint8_t* src,
                               std::uint8_t* dst, std::uint8_t* alpha, std::uint32_t count,
                               std::uint32_t start, std::uint32_t step);

// The converter for a colour type and bit depth; null for a combination the format lacks.
TRowConverter RowConverterFor(std::uint8_t colorType, std::uint8_t bitDepth);
