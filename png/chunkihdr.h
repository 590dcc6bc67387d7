#pragma once
// IHDR: the header record, and the decoded image the whole object shows: a bottom-up,
// 4-byte-aligned bitmap with its colour table, and an alpha plane for images with alpha.
#include <cstdint>
#include <vector>

#include "imaging/dib.h"
#include "png/chunk.h"

// The 13 bytes of the header, numbers in host order.
struct TIHDRData {
  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  std::uint8_t BitDepth = 0;
  std::uint8_t ColorType = 0;
  std::uint8_t CompressionMethod = 0;
  std::uint8_t FilterMethod = 0;
  std::uint8_t InterlaceMethod = 0;
};

enum : std::uint8_t {
  COLOR_GRAYSCALE = 0,
  COLOR_RGB = 2,
  COLOR_PALETTE = 3,
  COLOR_GRAYSCALEALPHA = 4,
  COLOR_RGBALPHA = 6,
};

class TChunkIHDR : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunkIHDR(TPNGObject& owner) : TChunk(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }

  void Assign(const TChunk& source) override;
  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;
  bool SaveToStream(TStream& stream) override;

  // (Re)creates a zeroed image buffer for the header record. A buffer larger than the codec's
  // limit is refused with EPNGOutMemory before anything is allocated.
  void PrepareImageData();
  void FreeImageData();

  TIHDRData IHDRData;
  TMAXBITMAPINFO BitmapInfo{};
  bool HasPalette = false;
  std::uint32_t BytesPerRow = 0;
  std::vector<std::uint8_t> ImageData;   // BytesPerRow * height, bottom row first
  std::vector<std::uint8_t> ImageAlpha;  // width * height, top row first; colour types 4 and 6
};

// Bits per pixel of the image buffer for a colour type and bit depth; 0 for a combination the
// format does not have.
std::uint16_t BufferBitsPerPixel(std::uint8_t colorType, std::uint8_t bitDepth);
