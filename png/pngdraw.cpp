// Putting the image on a canvas: opaque and colour-key images stretched into the rectangle,
// partially transparent ones blended at their own size.
#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/bitmap.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunktrns.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pnglimits.h"
#include "png/pngobject.h"

namespace {

// (s × a + (255 − a) × d + 255) >> 8, per channel.
inline std::uint8_t Blend(int s, int d, int a) {
  return static_cast<std::uint8_t>((s * a + (255 - a) * d + 255) >> 8);
}

// One pixel of the work bitmap (blue, green, red, unused) under colour (b, g, r) at alpha a.
inline void BlendPixel(std::uint8_t* w, int b, int g, int r, int a) {
  w[0] = Blend(b, w[0], a);
  w[1] = Blend(g, w[1], a);
  w[2] = Blend(r, w[2], a);
}

// Copies a w x h area between two canvases, row by row; what lies outside either is left out.
void CopyArea(const TCanvas& from, int fx, int fy, TCanvas& to, int tx, int ty, std::uint32_t w,
              std::uint32_t h) {
  for (std::uint32_t y = 0; y < h; ++y) {
    const int sy = fy + static_cast<int>(y), dy = ty + static_cast<int>(y);
    if (sy < 0 || dy < 0 || sy >= from.Height() || dy >= to.Height()) continue;
    int x0 = 0, x1 = static_cast<int>(w);
    x0 = std::max({x0, -fx, -tx});
    x1 = std::min({x1, from.Width() - fx, to.Width() - tx});
    if (x0 >= x1) continue;
    std::memcpy(to.Surface().ScanLine(dy) + 4 * (tx + x0),
                from.Surface().ScanLine(sy) + 4 * (fx + x0), 4 * static_cast<std::size_t>(x1 - x0));
  }
}

int IndexAt(const std::uint8_t* row, int bits, std::uint32_t x) {
  if (bits == 1) return (row[x / 8] >> (7 - x % 8)) & 1;
  if (bits == 4) return x % 2 ? row[x / 2] & 15 : row[x / 2] >> 4;
  return row[x];
}

}  // namespace

void TPNGObject::Draw(TCanvas& canvas, const TRect& r) const {
  if (!HeaderPresent()) return;
  switch (GetTransparencyMode()) {
    case TPNGTransparencyMode::ptmNone:
      canvas.StretchDraw(r, ImageBitmap());
      break;
    case TPNGTransparencyMode::ptmBit:
      canvas.StretchDrawKeyed(r, ImageBitmap(), GetTransparentColor());
      break;
    case TPNGTransparencyMode::ptmPartial:
      DrawPartialTrans(canvas, r);
      break;
  }
}

// The canvas's W x H area at the rectangle's corner goes into a work bitmap, every image pixel
// is blended over it, and it goes back: an error on the way leaves the canvas untouched.
void TPNGObject::DrawPartialTrans(TCanvas& canvas, const TRect& r) const {
  const TChunkIHDR& h = GetHeader();
  const std::uint32_t width = h.IHDRData.Width, height = h.IHDRData.Height;
  if (std::uint64_t{width} * height * 4 > PngLimits::kMaxImageBytes)
    RaiseError<EPNGOutMemory>(EPNGOutMemoryText);
  TCanvas work(static_cast<int>(width), static_cast<int>(height), 0);
  CopyArea(canvas, r.left, r.top, work, 0, 0, width, height);

  const int bits = h.BitmapInfo.bmiHeader.biBitCount;
  const std::uint8_t type = h.IHDRData.ColorType;
  const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
  auto* plte = chunks_.ItemFromClass<TChunkPLTE>();
  for (std::uint32_t y = 0; y < height; ++y) {
    const std::uint8_t* row = GetScanline(y);
    const std::uint8_t* alpha = h.ImageAlpha.empty() ? nullptr : GetAlphaScanline(y);
    std::uint8_t* w = work.Surface().ScanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < width; ++x, w += 4) {
      if (bits == 24) {
        BlendPixel(w, row[3 * x], row[3 * x + 1], row[3 * x + 2], alpha ? alpha[x] : 255);
      } else if (type == COLOR_GRAYSCALEALPHA) {
        BlendPixel(w, row[x], row[x], row[x], alpha[x]);  // the stored grey, no colour table
      } else {
        const int index = IndexAt(row, bits, x);
        if (!plte) RaiseError<EPngError>(EPNGUnknownPalEntryText);
        const TRGBQuad& c = plte->GetPaletteItem(static_cast<std::uint32_t>(index));
        BlendPixel(w, c.rgbBlue, c.rgbGreen, c.rgbRed, trns ? trns->PaletteValues[index] : 255);
      }
    }
  }
  CopyArea(work, 0, 0, canvas, r.left, r.top, width, height);
}

TBitmap TPNGObject::SaveToClipboardFormat() const {
  const int w = HeaderPresent() ? static_cast<int>(GetHeader().IHDRData.Width) : 0;
  const int hgt = HeaderPresent() ? static_cast<int>(GetHeader().IHDRData.Height) : 0;
  TCanvas canvas(w, hgt, 0xFFFFFF);  // a new bitmap is white
  Draw(canvas, TRect{0, 0, w, hgt});
  return canvas.Surface();
}
