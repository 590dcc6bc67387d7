// How an image is transparent, its transparent colour, and the operations that change it;
// the pixel buffer seen as a bitmap, one pixel at a time, and as a palette.
#include <algorithm>

#include "imaging/bitmap.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunktrns.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"

namespace {

std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return r | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
}

// Grey images of 1, 2 or 4 bits become 8-bit grey, the buffer's indices spread over 0..255,
// as colour type 4 has no smaller depth.
void WidenGrey(TPNGObject& png, TChunkIHDR& h) {
  const int bits = h.BitmapInfo.bmiHeader.biBitCount;
  const std::uint32_t levels = 1u << bits;  // the buffer holds 2-bit greys as 4-bit indices
  const std::vector<std::uint8_t> old = h.ImageData;
  const std::uint32_t oldRow = h.BytesPerRow, width = h.IHDRData.Width;
  h.IHDRData.BitDepth = 8;
  h.PrepareImageData();
  for (std::uint32_t y = 0; y < h.IHDRData.Height; ++y) {
    const std::uint8_t* src = old.data() + std::size_t{oldRow} * y;
    std::uint8_t* dst = h.ImageData.data() + std::size_t{h.BytesPerRow} * y;
    for (std::uint32_t x = 0; x < width; ++x) {
      const int perByte = 8 / bits;
      const std::uint32_t v =
          (src[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1u << bits) - 1);
      dst[x] = static_cast<std::uint8_t>(v * 255 / (levels - 1));
    }
  }
  for (int i = 0; i < 256; ++i) {
    const std::uint8_t g = png.GammaTable[i];
    h.BitmapInfo.bmiColors[i] = TRGBQuad{g, g, g, 0};
  }
}

}  // namespace

TPNGTransparencyMode TPNGObject::GetTransparencyMode() const {
  if (!HeaderPresent()) RaiseError<EPNGHeaderNotPresent>(EPNGHeaderNotPresentText);
  const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
  switch (GetHeader().IHDRData.ColorType) {
    case COLOR_GRAYSCALE:
    case COLOR_RGB:
      return trns ? TPNGTransparencyMode::ptmBit : TPNGTransparencyMode::ptmNone;
    case COLOR_PALETTE:
      if (!trns) return TPNGTransparencyMode::ptmNone;
      return trns->BitTransparency ? TPNGTransparencyMode::ptmBit
                                   : TPNGTransparencyMode::ptmPartial;
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA:
      return TPNGTransparencyMode::ptmPartial;
    default:
      return TPNGTransparencyMode::ptmNone;
  }
}

std::uint32_t TPNGObject::GetTransparentColor() const {
  if (!HeaderPresent()) return 0;
  const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
  if (!trns) return 0;
  const std::uint8_t* d = trns->Data();
  const std::uint32_t size = trns->DataSize();
  const TChunkIHDR& h = GetHeader();
  switch (h.IHDRData.ColorType) {
    case COLOR_GRAYSCALE:
      return size >= 2 ? Rgb(d[1], d[1], d[1]) : 0;
    case COLOR_RGB:
      return size >= 6 ? Rgb(d[1], d[3], d[5]) : 0;
    case COLOR_PALETTE:
      for (std::uint32_t i = 0; i < size && i < 256; ++i)
        if (trns->PaletteValues[i] == 0) {
          const TRGBQuad& c = h.BitmapInfo.bmiColors[i];
          return Rgb(c.rgbRed, c.rgbGreen, c.rgbBlue);
        }
      return 0;
    default:
      return 0;
  }
}

void TPNGObject::SetTransparentColor(std::uint32_t colour) {
  if (!HeaderPresent()) return;
  const std::uint8_t type = GetHeader().IHDRData.ColorType;
  if (type == COLOR_GRAYSCALEALPHA || type == COLOR_RGBALPHA)
    RaiseError<EPNGCannotChangeTransparent>(EPNGCannotChangeTransparentText);
  auto* trns = chunks_.ItemFromClass<TChunktRNS>();
  if (!trns) trns = chunks_.Add<TChunktRNS>();
  trns->SetTransparentColor(colour);
}

void TPNGObject::RemoveTransparency() {
  if (auto* trns = chunks_.ItemFromClass<TChunktRNS>()) chunks_.RemoveChunk(trns);
}

// Grey and truecolour images get an opaque alpha plane, palette images an opaque table.
// A colour-key tRNS has no meaning for the alpha colour types and would make the saved file
// invalid, so it goes.
void TPNGObject::CreateAlpha() {
  if (!HeaderPresent()) RaiseError<EPNGHeaderNotPresent>(EPNGHeaderNotPresentText);
  TChunkIHDR& h = GetHeader();
  const std::uint8_t type = h.IHDRData.ColorType;
  if (type == COLOR_GRAYSCALE || type == COLOR_RGB) {
    RemoveTransparency();
    if (type == COLOR_GRAYSCALE && h.IHDRData.BitDepth < 8) WidenGrey(*this, h);
    h.IHDRData.ColorType = type == COLOR_GRAYSCALE ? COLOR_GRAYSCALEALPHA : COLOR_RGBALPHA;
    h.ImageAlpha.assign(std::size_t{h.IHDRData.Width} * h.IHDRData.Height, 255);
    return;
  }
  if (type != COLOR_PALETTE) return;
  auto* trns = chunks_.ItemFromClass<TChunktRNS>();
  if (!trns) trns = chunks_.Add<TChunktRNS>();
  std::fill(std::begin(trns->PaletteValues), std::end(trns->PaletteValues), 255);
  trns->ResizeData(1u << h.IHDRData.BitDepth);
  trns->BitTransparency = false;
}

const std::vector<TRGBQuad>& TPNGObject::GetPalette() {
  if (!HeaderPresent()) RaiseError<EPNGHeaderNotPresent>(EPNGHeaderNotPresentText);
  const std::uint8_t type = GetHeader().IHDRData.ColorType;
  if (type != COLOR_GRAYSCALE && type != COLOR_PALETTE) {
    palette_.clear();
    return palette_;
  }
  if (palette_.empty()) {
    const TRGBQuad* table = GetHeader().BitmapInfo.bmiColors;
    palette_.assign(table, table + 256);
  }
  return palette_;
}

TBitmap TPNGObject::ImageBitmap() const {
  const TChunkIHDR& h = GetHeader();
  const int bits = h.BitmapInfo.bmiHeader.biBitCount;
  TBitmap b(static_cast<int>(h.IHDRData.Width), static_cast<int>(h.IHDRData.Height), bits);
  b.Bits = h.ImageData;
  if (bits <= 8) b.Colors.assign(h.BitmapInfo.bmiColors, h.BitmapInfo.bmiColors + (1 << bits));
  return b;
}

std::uint32_t TPNGObject::GetPixels(int x, int y) const {
  if (!HeaderPresent()) return 0;
  return BitmapPixel(ImageBitmap(), x, y);
}

// Truecolour buffers take the colour itself; palette buffers the nearest colour-table entry.
void TPNGObject::SetPixels(int x, int y, std::uint32_t colour) {
  if (!HeaderPresent()) return;
  TChunkIHDR& h = GetHeader();
  if (x < 0 || y < 0 || x >= static_cast<int>(h.IHDRData.Width) ||
      y >= static_cast<int>(h.IHDRData.Height))
    return;
  const std::uint8_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  std::uint8_t* row = GetScanline(static_cast<std::uint32_t>(y));
  const int bits = h.BitmapInfo.bmiHeader.biBitCount;
  if (bits == 24) {
    row[3 * x] = b, row[3 * x + 1] = g, row[3 * x + 2] = r;
    return;
  }
  int best = 0, bestDistance = -1;
  for (int i = 0; i < (1 << bits); ++i) {
    const TRGBQuad& c = h.BitmapInfo.bmiColors[i];
    const int d = (c.rgbRed - r) * (c.rgbRed - r) + (c.rgbGreen - g) * (c.rgbGreen - g) +
                  (c.rgbBlue - b) * (c.rgbBlue - b);
    if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
  }
  const int perByte = 8 / bits, shift = (perByte - 1 - x % perByte) * bits, mask = (1 << bits) - 1;
  std::uint8_t& byte = row[x / perByte];
  byte = static_cast<std::uint8_t>((byte & ~(mask << shift)) | (best << shift));
}
