#include "png/rowencode.h"

#include <cstring>

#include "png/chunkihdr.h"
#include "png/rowfilter.h"

namespace {

// Indices and grays of 1, 4 or 8 bits: bytes as they are, or the pass's pixels repacked.
template <int Bits>
void EncodeIndices(const std::uint8_t*, const std::uint8_t* src, const std::uint8_t*,
                   std::uint8_t* raw, std::uint32_t count, std::uint32_t start,
                   std::uint32_t step) {
  const std::size_t bytes = (std::size_t{count} * Bits + 7) / 8;
  if (start == 0 && step == 1) {
    std::memcpy(raw, src, bytes);
    return;
  }
  std::memset(raw, 0, bytes);
  constexpr int mask = (1 << Bits) - 1;
  for (std::uint32_t x = 0; x < count; ++x) {
    const std::uint32_t inBit = (start + x * step) * Bits, outBit = x * Bits;
    const int v = (src[inBit >> 3] >> (8 - Bits - (inBit & 7))) & mask;
    raw[outBit >> 3] |= static_cast<std::uint8_t>(v << (8 - Bits - (outBit & 7)));
  }
}

// Samples of 8 bits as 8 or 16 bits (the value in the high byte, 0 in the low one). Colour
// goes through the inverse gamma table only when there is one that is not the identity: the
// common save of a clipboard picture then does no lookups at all.
template <int Channels, int Bytes, bool Mapped>
void EncodeSamples(const std::uint8_t* inverse, const std::uint8_t* src, const std::uint8_t* alpha,
                   std::uint8_t* raw, std::uint32_t count, std::uint32_t start,
                   std::uint32_t step) {
  constexpr bool colour = Channels >= 3;
  constexpr bool hasAlpha = Channels == 2 || Channels == 4;
  auto put = [&](std::uint8_t v) {
    *raw++ = v;
    if constexpr (Bytes == 2) *raw++ = 0;
  };
  for (std::uint32_t x = 0, col = start; x < count; ++x, col += step) {
    if constexpr (colour) {
      const std::uint8_t* p = src + std::size_t{col} * 3;
      if constexpr (Mapped) {
        put(inverse[p[2]]);
        put(inverse[p[1]]);
        put(inverse[p[0]]);
      } else {
        put(p[2]);
        put(p[1]);
        put(p[0]);
      }
    } else {
      put(src[col]);
    }
    if constexpr (hasAlpha) put(alpha[col]);
  }
}

void FilterSub(const std::uint8_t* r, std::uint8_t* out, std::size_t n, std::size_t off) {
  for (std::size_t i = 0; i < n; ++i)
    out[i] = static_cast<std::uint8_t>(r[i] - (i >= off ? r[i - off] : 0));
}

void FilterUp(const std::uint8_t* r, const std::uint8_t* p, std::uint8_t* out, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(r[i] - p[i]);
}

void FilterAverage(const std::uint8_t* r, const std::uint8_t* p, std::uint8_t* out, std::size_t n,
                   std::size_t off) {
  for (std::size_t i = 0; i < n; ++i)
    out[i] = static_cast<std::uint8_t>(r[i] - (((i >= off ? r[i - off] : 0) + p[i]) >> 1));
}

void FilterPaeth(const std::uint8_t* r, const std::uint8_t* p, std::uint8_t* out, std::size_t n,
                 std::size_t off) {
  for (std::size_t i = 0; i < n; ++i) {
    const int a = i >= off ? r[i - off] : 0, c = i >= off ? p[i - off] : 0;
    out[i] = static_cast<std::uint8_t>(r[i] - PaethPredictor(a, p[i], c));
  }
}

// Positions from 2 on whose byte repeats one of the two before it.
std::size_t RepeatCount(const std::uint8_t* b, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t k = 2; k < n; ++k) count += (b[k] == b[k - 1] || b[k] == b[k - 2]);
  return count;
}

template <int Channels, int Bytes>
TRowEncoder SamplesEncoder(bool identityInverse) {
  if (identityInverse) return &EncodeSamples<Channels, Bytes, false>;
  return &EncodeSamples<Channels, Bytes, true>;
}

}  // namespace

TRowEncoder RowEncoderFor(std::uint8_t colorType, std::uint8_t bitDepth, bool identityInverse) {
  switch (colorType * 100 + bitDepth) {
    case COLOR_GRAYSCALE * 100 + 1:
    case COLOR_PALETTE * 100 + 1:
      return &EncodeIndices<1>;
    case COLOR_GRAYSCALE * 100 + 4:
    case COLOR_PALETTE * 100 + 4:
      return &EncodeIndices<4>;
    case COLOR_GRAYSCALE * 100 + 8:
    case COLOR_PALETTE * 100 + 8:
      return &EncodeIndices<8>;
    case COLOR_GRAYSCALE * 100 + 16:
      return SamplesEncoder<1, 2>(identityInverse);
    case COLOR_RGB * 100 + 8:
      return SamplesEncoder<3, 1>(identityInverse);
    case COLOR_RGB * 100 + 16:
      return SamplesEncoder<3, 2>(identityInverse);
    case COLOR_GRAYSCALEALPHA * 100 + 8:
      return SamplesEncoder<2, 1>(identityInverse);
    case COLOR_GRAYSCALEALPHA * 100 + 16:
      return SamplesEncoder<2, 2>(identityInverse);
    case COLOR_RGBALPHA * 100 + 8:
      return SamplesEncoder<4, 1>(identityInverse);
    case COLOR_RGBALPHA * 100 + 16:
      return SamplesEncoder<4, 2>(identityInverse);
    default:
      return nullptr;
  }
}

std::uint8_t FilterToEncode(TFilters filters, const std::uint8_t* raw, TFilterBuffers& b,
                            std::size_t length, std::size_t offset) {
  const std::uint8_t* prev = b.previous;
  if (filters & FilterBit(pfSub)) FilterSub(raw, b.filtered[1], length, offset);
  if (filters & FilterBit(pfUp)) FilterUp(raw, prev, b.filtered[2], length);
  if (filters & FilterBit(pfAverage)) FilterAverage(raw, prev, b.filtered[3], length, offset);
  if (filters & FilterBit(pfPaeth)) FilterPaeth(raw, prev, b.filtered[4], length, offset);
  // The raw row is kept for the next row's Up, Average and Paeth, and as the row of type 0;
  // a set of Sub alone needs neither, which spares a copy of every row in the usual save.
  if (filters != FilterBit(pfSub)) std::memcpy(b.previous, raw, length);
  b.filtered[0] = b.previous;
  if (filters == FilterBit(pfNone) || filters == 0) return 0;

  std::uint8_t best = 0;
  std::size_t bestCount = 0;
  for (std::uint8_t i = 0; i <= 4; ++i) {
    if (!(filters & FilterBit(static_cast<TFilter>(i)))) continue;
    if (filters == FilterBit(static_cast<TFilter>(i))) return i;
    const std::size_t count = RepeatCount(b.filtered[i], length);
    if (count > bestCount) {
      best = i;
      bestCount = count;
    }
  }
  return best;
}
