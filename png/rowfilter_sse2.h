#pragma once
// SSE2 loops for undoing Sub, Average and Paeth on 8-bit RGB and RGBA rows. These filters
// depend on the pixel to the left, so the work goes pixel by pixel, with the 3 or 4 channels
// of a pixel side by side in 16-bit lanes. Only built where the compiler targets SSE2; the
// portable loops of rowfilter.cpp serve everywhere else.
#if defined(__SSE2__)
#include <cstddef>
#include <cstdint>

#define PNG_HAVE_SSE2_FILTERS 1

// `Bpp` is 3 or 4; `length` is a multiple of it.
template <std::size_t Bpp>
void UnfilterSubSse2(std::uint8_t* row, std::size_t length);
template <std::size_t Bpp>
void UnfilterAverageSse2(std::uint8_t* row, const std::uint8_t* previous, std::size_t length);
template <std::size_t Bpp>
void UnfilterPaethSse2(std::uint8_t* row, const std::uint8_t* previous, std::size_t length);

#endif
