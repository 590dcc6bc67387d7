#include "png/rowfilter_sse2.h"

#if defined(PNG_HAVE_SSE2_FILTERS)
#include <emmintrin.h>

#include <cstring>

namespace {

// One pixel in the low lanes of a register, widened to 16 bits a channel. A 3-byte pixel is
// put together in a register, so nothing past the row's end is touched and no narrow store
// to memory is read back wide (which would stall the loop on every pixel).
template <std::size_t Bpp>
__m128i LoadPixel(const std::uint8_t* p) {
  std::uint32_t v;
  if constexpr (Bpp == 4) {
    std::memcpy(&v, p, 4);
  } else {
    std::uint16_t low;
    std::memcpy(&low, p, 2);
    v = low | (std::uint32_t{p[2]} << 16);
  }
  return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(v)), _mm_setzero_si128());
}

template <std::size_t Bpp>
void StorePixel(std::uint8_t* p, __m128i wide) {
  const auto v = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(wide, wide)));
  if constexpr (Bpp == 4) {
    std::memcpy(p, &v, 4);
  } else {
    const auto low = static_cast<std::uint16_t>(v);
    std::memcpy(p, &low, 2);
    p[2] = static_cast<std::uint8_t>(v >> 16);
  }
}

// Channel sums wrap modulo 256, as the format wants.
__m128i AddBytes(__m128i x, __m128i y) {
  return _mm_and_si128(_mm_add_epi16(x, y), _mm_set1_epi16(0xFF));
}

__m128i Abs16(__m128i x) { return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x)); }

}  // namespace

template <std::size_t Bpp>
void UnfilterSubSse2(std::uint8_t* row, std::size_t length) {
  __m128i a = _mm_setzero_si128();
  for (std::size_t i = 0; i < length; i += Bpp) {
    a = AddBytes(LoadPixel<Bpp>(row + i), a);
    StorePixel<Bpp>(row + i, a);
  }
}

template <std::size_t Bpp>
void UnfilterAverageSse2(std::uint8_t* row, const std::uint8_t* previous, std::size_t length) {
  __m128i a = _mm_setzero_si128();
  for (std::size_t i = 0; i < length; i += Bpp) {
    const __m128i b = LoadPixel<Bpp>(previous + i);
    const __m128i mean = _mm_srli_epi16(_mm_add_epi16(a, b), 1);
    a = AddBytes(LoadPixel<Bpp>(row + i), mean);
    StorePixel<Bpp>(row + i, a);
  }
}

// The predictor picks a when pa is smallest, else b when pb is, else c — ties in that order.
// Written as two steps (b if pb < pa; then c if pc is below the smaller of the two) with
// selects by exclusive or, which keeps the chain of steps that wait on `a` short.
template <std::size_t Bpp>
void UnfilterPaethSse2(std::uint8_t* row, const std::uint8_t* previous, std::size_t length) {
  __m128i a = _mm_setzero_si128();
  __m128i c = _mm_setzero_si128();
  for (std::size_t i = 0; i < length; i += Bpp) {
    const __m128i b = LoadPixel<Bpp>(previous + i);
    const __m128i x = LoadPixel<Bpp>(row + i);
    const __m128i bc = _mm_sub_epi16(b, c);
    const __m128i pa = Abs16(bc);
    const __m128i ac = _mm_sub_epi16(a, c);
    const __m128i pb = Abs16(ac);
    const __m128i pc = Abs16(_mm_add_epi16(bc, ac));
    const __m128i takeB = _mm_cmpgt_epi16(pa, pb);
    const __m128i first = _mm_xor_si128(a, _mm_and_si128(_mm_xor_si128(a, b), takeB));
    const __m128i takeC = _mm_cmpgt_epi16(_mm_min_epi16(pa, pb), pc);
    const __m128i predictor = _mm_xor_si128(first, _mm_and_si128(_mm_xor_si128(first, c), takeC));
    a = AddBytes(x, predictor);
    StorePixel<Bpp>(row + i, a);
    c = b;
  }
}

template void UnfilterSubSse2<3>(std::uint8_t*, std::size_t);
template void UnfilterSubSse2<4>(std::uint8_t*, std::size_t);
template void UnfilterAverageSse2<3>(std::uint8_t*, const std::uint8_t*, std::size_t);
template void UnfilterAverageSse2<4>(std::uint8_t*, const std::uint8_t*, std::size_t);
template void UnfilterPaethSse2<3>(std::uint8_t*, const std::uint8_t*, std::size_t);
template void UnfilterPaethSse2<4>(std::uint8_t*, const std::uint8_t*, std::size_t);

#endif
