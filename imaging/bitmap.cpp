#include "imaging/bitmap.h"

#include <cstring>
#include <stdexcept>

#include "imaging/bmpfile.h"
#include "imaging/exception.h"

namespace {

bool IsPaletteDepth(int bits) { return bits == 1 || bits == 4 || bits == 8; }

// Scales a masked field to 8 bits, repeating its high bits into the low ones.
std::uint8_t Field(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  int width = 0;
  while (width + shift < 32 && ((mask >> (shift + width)) & 1)) ++width;
  const std::uint32_t v = (value & mask) >> shift;
  if (width >= 8) return static_cast<std::uint8_t>(v >> (width - 8));
  std::uint32_t out = 0;
  int filled = 0;
  for (; filled < 8; filled += width) out = (out << width) | v;
  return static_cast<std::uint8_t>(out >> (filled - 8));
}

}  // namespace

TBitmap::TBitmap(int width, int height, int bitsPerPixel) { Reset(width, height, bitsPerPixel); }

void TBitmap::Reset(int width, int height, int bitsPerPixel) {
  if (width < 0) throw EInvalidGraphicOperation("Invalid bitmap width");
  width_ = width;
  height_ = height;
  bits_ = bitsPerPixel;
  Colors.assign(IsPaletteDepth(bitsPerPixel) ? (1u << bitsPerPixel) : 0, TRGBQuad{0, 0, 0, 0});
  Bits.assign(std::size_t{RowBytes()} * GetHeight(), 0);
}

void TBitmap::SetWidth(int value) { Reset(value, height_, bits_); }
void TBitmap::SetHeight(int value) { Reset(width_, value, bits_); }

std::uint32_t TBitmap::RowBytes() const {
  return static_cast<std::uint32_t>(DibRowBytes(static_cast<std::uint32_t>(width_), bits_));
}

std::uint8_t* TBitmap::ScanLine(int y) {
  const int stored = height_ < 0 ? y : GetHeight() - 1 - y;
  return Bits.data() + std::size_t{RowBytes()} * stored;
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
  return const_cast<TBitmap*>(this)->ScanLine(y);
}

std::vector<std::uint8_t> TBitmap::BottomUpPixels(int targetBits) const {
  std::vector<std::uint8_t> out(DibRowBytes(width_, targetBits) * GetHeight(), 0);
  BottomUpPixelsInto(targetBits, out.data());
  return out;
}

void TBitmap::BottomUpPixelsInto(int targetBits, std::uint8_t* out) const {
  const int h = GetHeight();
  const std::uint32_t outRow = static_cast<std::uint32_t>(DibRowBytes(width_, targetBits));
  if (targetBits == bits_ && IsPaletteDepth(bits_)) {
    for (int y = 0; y < h; ++y)
      std::memcpy(out + std::size_t{outRow} * (h - 1 - y), ScanLine(y), outRow);
    return;
  }
  if (targetBits != 24) throw EInvalidGraphicOperation("Unsupported bitmap conversion");
  if (IsPaletteDepth(bits_)) return PaletteTo24(out, outRow);
  const bool masked = Masks[0] | Masks[1] | Masks[2];
  const std::uint32_t red = masked ? Masks[0] : bits_ == 16 ? 0x7C00 : 0xFF0000;
  const std::uint32_t green = masked ? Masks[1] : bits_ == 16 ? 0x03E0 : 0x00FF00;
  const std::uint32_t blue = masked ? Masks[2] : bits_ == 16 ? 0x001F : 0x0000FF;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* src = ScanLine(y);
    std::uint8_t* dst = out + std::size_t{outRow} * (h - 1 - y);
    if (bits_ == 32 && !masked) {
      // The usual clipboard layout: blue, green, red and an unused byte.
      for (int x = 0; x < width_; ++x, dst += 3, src += 4) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
      }
      continue;
    }
    for (int x = 0; x < width_; ++x, dst += 3) {
      if (bits_ == 24) {
        std::memcpy(dst, src + x * 3, 3);
        continue;
      }
      std::uint32_t v = 0;
      if (bits_ == 16) v = src[x * 2] | (src[x * 2 + 1] << 8);
      if (bits_ == 32) std::memcpy(&v, src + x * 4, 4);
      dst[0] = Field(v, blue);
      dst[1] = Field(v, green);
      dst[2] = Field(v, red);
    }
  }
}

void TBitmap::SaveToStream(TStream& stream) const { WriteBmp(*this, stream); }

void TBitmap::LoadFromStream(TStream& stream) { ReadBmp(*this, stream); }

// Indices looked up in the colour table; an index past its end is black.
void TBitmap::PaletteTo24(std::uint8_t* out, std::uint32_t outRow) const {
  const int h = GetHeight();
  const int perByte = 8 / bits_;
  const int mask = (1 << bits_) - 1;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* src = ScanLine(y);
    std::uint8_t* dst = out + std::size_t{outRow} * (h - 1 - y);
    for (int x = 0; x < width_; ++x, dst += 3) {
      const int shift = (perByte - 1 - x % perByte) * bits_;
      const std::size_t index = static_cast<std::size_t>((src[x / perByte] >> shift) & mask);
      const TRGBQuad c = index < Colors.size() ? Colors[index] : TRGBQuad{0, 0, 0, 0};
      dst[0] = c.rgbBlue;
      dst[1] = c.rgbGreen;
      dst[2] = c.rgbRed;
    }
  }
}

void TBitmap::Assign(const TGraphic& source) {
  if (const auto* b = dynamic_cast<const TBitmap*>(&source)) {
    if (b != this) *this = *b;
    return;
  }
  TGraphic::Assign(source);
}
