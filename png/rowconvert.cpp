#include "png/rowconvert.h"

#include <cstring>

#include "png/chunkihdr.h"

namespace {

// Palette and grayscale samples of 1, 2 or 4 bits. InBits is the file's depth, OutBits the
// buffer's (2-bit samples become 4-bit indices); Scale maps a 2-bit gray to its 16-level ramp
// entry (5 x v), 1 otherwise.
template <int InBits, int OutBits, int Scale>
void ConvertBits(const TRowConvertContext&, const std::uint8_t* src, std::uint8_t* dst,
                 std::uint8_t*, std::uint32_t count, std::uint32_t start, std::uint32_t step) {
  if (InBits == OutBits && Scale == 1 && start == 0 && step == 1) {
    std::memcpy(dst, src, (std::size_t{count} * InBits + 7) / 8);
    return;
  }
  constexpr int inMask = (1 << InBits) - 1;
  for (std::uint32_t x = 0; x < count; ++x) {
    const std::uint32_t inBit = x * InBits;
    const int value = ((src[inBit >> 3] >> (8 - InBits - (inBit & 7))) & inMask) * Scale;
    const std::uint32_t outBit = (start + x * step) * OutBits;
    dst[outBit >> 3] |= static_cast<std::uint8_t>(value << (8 - OutBits - (outBit & 7)));
  }
}

// Samples of 8 or 16 bits (Bytes = 1 or 2, the high byte first): gray or palette index, with or
// without alpha, or truecolour stored blue-green-red through the gamma table.
template <int Channels, int Bytes, bool Gamma>
void ConvertSamples(const TRowConvertContext& ctx, const std::uint8_t* src, std::uint8_t* dst,
                    std::uint8_t* alpha, std::uint32_t count, std::uint32_t start,
                    std::uint32_t step) {
  constexpr bool colour = Channels >= 3;
  constexpr bool hasAlpha = Channels == 2 || Channels == 4;
  const std::uint8_t* g = ctx.gamma;
  for (std::uint32_t x = 0, col = start; x < count; ++x, col += step, src += Channels * Bytes) {
    if constexpr (colour) {
      std::uint8_t* p = dst + std::size_t{col} * 3;
      p[0] = Gamma ? g[src[2 * Bytes]] : src[2 * Bytes];
      p[1] = Gamma ? g[src[Bytes]] : src[Bytes];
      p[2] = Gamma ? g[src[0]] : src[0];
    } else {
      dst[col] = src[0];
    }
    if constexpr (hasAlpha) alpha[col] = src[(Channels - 1) * Bytes];
  }
}

template <int Channels, int Bytes>
void ConvertTruecolour(const TRowConvertContext& ctx, const std::uint8_t* src, std::uint8_t* dst,
                       std::uint8_t* alpha, std::uint32_t count, std::uint32_t start,
                       std::uint32_t step) {
  if (ctx.gammaIsIdentity)
    ConvertSamples<Channels, Bytes, false>(ctx, src, dst, alpha, count, start, step);
  else
    ConvertSamples<Channels, Bytes, true>(ctx, src, dst, alpha, count, start, step);
}

template <int Bits>
void ConvertIndices(const TRowConvertContext& ctx, const std::uint8_t* src, std::uint8_t* dst,
                    std::uint8_t* alpha, std::uint32_t count, std::uint32_t start,
                    std::uint32_t step) {
  if constexpr (Bits == 8) {
    if (start == 0 && step == 1) {
      std::memcpy(dst, src, count);
      return;
    }
    ConvertSamples<1, 1, false>(ctx, src, dst, alpha, count, start, step);
  } else {
    ConvertBits<Bits, Bits, 1>(ctx, src, dst, alpha, count, start, step);
  }
}

}  // namespace

TRowConverter RowConverterFor(std::uint8_t colorType, std::uint8_t bitDepth) {
  switch (colorType * 100 + bitDepth) {
    case COLOR_GRAYSCALE * 100 + 1:
    case COLOR_PALETTE * 100 + 1:
      return &ConvertIndices<1>;
    case COLOR_GRAYSCALE * 100 + 4:
    case COLOR_PALETTE * 100 + 4:
      return &ConvertIndices<4>;
    case COLOR_GRAYSCALE * 100 + 8:
    case COLOR_PALETTE * 100 + 8:
      return &ConvertIndices<8>;
    case COLOR_PALETTE * 100 + 2:
      return &ConvertBits<2, 4, 1>;
    case COLOR_GRAYSCALE * 100 + 2:
      return &ConvertBits<2, 4, 5>;
    case COLOR_GRAYSCALE * 100 + 16:
      return &ConvertSamples<1, 2, false>;
    case COLOR_RGB * 100 + 8:
      return &ConvertTruecolour<3, 1>;
    case COLOR_RGB * 100 + 16:
      return &ConvertTruecolour<3, 2>;
    case COLOR_GRAYSCALEALPHA * 100 + 8:
      return &ConvertSamples<2, 1, false>;
    case COLOR_GRAYSCALEALPHA * 100 + 16:
      return &ConvertSamples<2, 2, false>;
    case COLOR_RGBALPHA * 100 + 8:
      return &ConvertTruecolour<4, 1>;
    case COLOR_RGBALPHA * 100 + 16:
      return &ConvertTruecolour<4, 2>;
    default:
      return nullptr;
  }
}
