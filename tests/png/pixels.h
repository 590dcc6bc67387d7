#pragma once
// Reads back what a decoded image shows at a pixel: the buffer through its colour table.
#include <array>
#include <cstdint>

#include "png/chunkihdr.h"
#include "png/pngobject.h"

using Rgba = std::array<std::uint8_t, 4>;

inline Rgba ShownPixel(const TPNGObject& png, std::uint32_t x, std::uint32_t y) {
  const TChunkIHDR& h = png.GetHeader();
  const std::uint8_t* row = png.GetScanline(y);
  const std::uint8_t* alpha = png.GetAlphaScanline(y);
  const unsigned bits = h.BitmapInfo.bmiHeader.biBitCount;
  const std::uint8_t a = alpha ? alpha[x] : 255;
  if (bits == 24) return {row[x * 3 + 2], row[x * 3 + 1], row[x * 3], a};
  const unsigned index = (row[x * bits / 8] >> (8 - bits - x * bits % 8)) & ((1u << bits) - 1);
  const TRGBQuad& c = h.BitmapInfo.bmiColors[index];
  return {c.rgbRed, c.rgbGreen, c.rgbBlue, a};
}
