#include "png/rowfilter.h"

#include "png/rowfilter_sse2.h"

namespace {

// Each filter has a loop specialised on the pixel size, so the compiler can keep the left
// neighbours in registers; the byte arithmetic wraps modulo 256 as the format wants.
template <std::size_t Bpp>
void UnfilterSub(std::uint8_t* row, std::size_t length) {
  for (std::size_t i = Bpp; i < length; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + row[i - Bpp]);
}

void UnfilterUp(std::uint8_t* row, const std::uint8_t* previous, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
}

template <std::size_t Bpp>
void UnfilterAverage(std::uint8_t* row, const std::uint8_t* previous, std::size_t length) {
  const std::size_t head = length < Bpp ? length : Bpp;
  for (std::size_t i = 0; i < head; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + (previous[i] >> 1));
  for (std::size_t i = Bpp; i < length; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - Bpp] + previous[i]) >> 1));
}

template <std::size_t Bpp>
void UnfilterPaeth(std::uint8_t* row, const std::uint8_t* previous, std::size_t length) {
  const std::size_t head = length < Bpp ? length : Bpp;
  // Before the row's start a and c are 0, so the predictor is b.
  for (std::size_t i = 0; i < head; ++i) row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
  for (std::size_t i = Bpp; i < length; ++i)
    row[i] = static_cast<std::uint8_t>(
        row[i] + PaethPredictor(row[i - Bpp], previous[i], previous[i - Bpp]));
}

#if defined(PNG_HAVE_SSE2_FILTERS)
// RGBA rows (and 16-bit grey with alpha) take the vector loops. Up needs none: the compiler
// vectorises it by itself. RGB rows stay with the byte loops, which keep the three channels'
// chains apart and measured faster than a vector loop at three bytes a pixel.
template <std::size_t Bpp>
bool UnfilterWide(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous,
                  std::size_t length) {
  if constexpr (Bpp == 4) {
    if (length % Bpp != 0) return false;
    switch (type) {
      case 1:
        UnfilterSubSse2<Bpp>(row, length);
        return true;
      case 3:
        UnfilterAverageSse2<Bpp>(row, previous, length);
        return true;
      case 4:
        UnfilterPaethSse2<Bpp>(row, previous, length);
        return true;
      default:
        return false;
    }
  }
  return false;
}
#else
template <std::size_t Bpp>
bool UnfilterWide(std::uint8_t, std::uint8_t*, const std::uint8_t*, std::size_t) {
  return false;
}
#endif

template <std::size_t Bpp>
void Unfilter(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous,
              std::size_t length) {
  if (UnfilterWide<Bpp>(type, row, previous, length)) return;
  switch (type) {
    case 1:
      UnfilterSub<Bpp>(row, length);
      break;
    case 2:
      UnfilterUp(row, previous, length);
      break;
    case 3:
      UnfilterAverage<Bpp>(row, previous, length);
      break;
    case 4:
      UnfilterPaeth<Bpp>(row, previous, length);
      break;
    default:
      break;
  }
}

}  // namespace

void UnfilterRow(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous,
                 std::size_t length, std::size_t offset) {
  switch (offset) {
    case 1:
      return Unfilter<1>(type, row, previous, length);
    case 2:
      return Unfilter<2>(type, row, previous, length);
    case 3:
      return Unfilter<3>(type, row, previous, length);
    case 4:
      return Unfilter<4>(type, row, previous, length);
    case 6:
      return Unfilter<6>(type, row, previous, length);
    default:
      return Unfilter<8>(type, row, previous, length);
  }
}
