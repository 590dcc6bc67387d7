#pragma once
// The device-independent bitmap layout shared by the clipboard, BMP files and the PNG codec:
// a 40-byte header, a colour table of blue-green-red-reserved entries, rows bottom-up, each row
// padded to a multiple of 4 bytes.
#include <cstdint>

#pragma pack(push, 1)
struct TBitmapInfoHeader {
  std::uint32_t biSize;
  std::int32_t biWidth;
  std::int32_t biHeight;  // positive: rows stored bottom-up
  std::uint16_t biPlanes;
  std::uint16_t biBitCount;
  std::uint32_t biCompression;
  std::uint32_t biSizeImage;
  std::int32_t biXPelsPerMeter;
  std::int32_t biYPelsPerMeter;
  std::uint32_t biClrUsed;
  std::uint32_t biClrImportant;
};

struct TRGBQuad {
  std::uint8_t rgbBlue;
  std::uint8_t rgbGreen;
  std::uint8_t rgbRed;
  std::uint8_t rgbReserved;
};

// The header followed by the largest colour table a bitmap of 8 bits or fewer can have.
struct TMAXBITMAPINFO {
  TBitmapInfoHeader bmiHeader;
  TRGBQuad bmiColors[256];
};
#pragma pack(pop)

static_assert(sizeof(TBitmapInfoHeader) == 40);
static_assert(sizeof(TMAXBITMAPINFO) == 40 + 256 * 4);

constexpr std::uint32_t BI_RGB_ = 0;

// Bytes of one stored row: bits rounded up to whole 32-bit words.
constexpr std::uint64_t DibRowBytes(std::uint64_t width, std::uint32_t bitsPerPixel) {
  return ((bitsPerPixel * width + 31) / 32) * 4;
}
