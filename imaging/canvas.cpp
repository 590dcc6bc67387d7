#include "imaging/canvas.h"

#include <algorithm>
#include <vector>

namespace {

bool Inside(const TBitmap& b, int x, int y) {
  return x >= 0 && y >= 0 && x < b.GetWidth() && y < b.GetHeight();
}

std::uint32_t Field(std::uint32_t v, std::uint32_t mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const std::uint32_t max = mask >> shift;
  return ((v & mask) >> shift) * 255 / max;
}

}  // namespace

TCanvasColor BitmapPixel(const TBitmap& b, int x, int y) {
  if (!Inside(b, x, y)) return 0;
  const std::uint8_t* row = b.ScanLine(y);
  const int bits = b.BitsPerPixel();
  if (bits <= 8) {
    const int perByte = 8 / bits;
    const int index =
        (row[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1 << bits) - 1);
    if (index >= static_cast<int>(b.Colors.size())) return 0;
    const TRGBQuad& q = b.Colors[static_cast<std::size_t>(index)];
    return q.rgbRed | (q.rgbGreen << 8) | (std::uint32_t{q.rgbBlue} << 16);
  }
  if (bits == 24 || (bits == 32 && !(b.Masks[0] | b.Masks[1] | b.Masks[2]))) {
    const std::uint8_t* p = row + x * (bits / 8);
    return p[2] | (p[1] << 8) | (std::uint32_t{p[0]} << 16);
  }
  const bool masked = b.Masks[0] | b.Masks[1] | b.Masks[2];
  std::uint32_t v = bits == 16 ? (row[2 * x] | (row[2 * x + 1] << 8))
                               : (row[4 * x] | (row[4 * x + 1] << 8) | (row[4 * x + 2] << 16) |
                                  (std::uint32_t{row[4 * x + 3]} << 24));
  const std::uint32_t red = masked ? b.Masks[0] : 0x7C00, green = masked ? b.Masks[1] : 0x03E0,
                      blue = masked ? b.Masks[2] : 0x001F;
  return Field(v, red) | (Field(v, green) << 8) | (Field(v, blue) << 16);
}

TCanvas::TCanvas(int width, int height, TCanvasColor background) : surface_(width, -height, 32) {
  FillRect(TRect{0, 0, width, height}, background);
}

TCanvasColor TCanvas::Pixel(int x, int y) const { return BitmapPixel(surface_, x, y); }

void TCanvas::SetPixel(int x, int y, TCanvasColor color) {
  if (!Inside(surface_, x, y)) return;
  std::uint8_t* p = surface_.ScanLine(y) + 4 * x;
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
  p[3] = 0;
}

void TCanvas::FillRect(const TRect& r, TCanvasColor color) {
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, Height()); ++y)
    for (int x = std::max(r.left, 0); x < std::min(r.right, Width()); ++x) SetPixel(x, y, color);
}

// Each target column's source column is worked out once; rows of 24- and 32-bit pictures are
// read in place, others pixel by pixel.
template <class Put>
void TCanvas::Stretch(const TRect& r, const TBitmap& picture, Put put) {
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0 || picture.GetEmpty()) return;
  const int x0 = std::max(r.left, 0), x1 = std::min(r.right, Width());
  if (x0 >= x1) return;
  std::vector<int> columns(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x)
    columns[static_cast<std::size_t>(x - x0)] =
        static_cast<int>(std::int64_t{x - r.left} * picture.GetWidth() / w);
  const int bits = picture.BitsPerPixel();
  const bool plain =
      bits == 24 || (bits == 32 && !(picture.Masks[0] | picture.Masks[1] | picture.Masks[2]));
  const int step = bits / 8;
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, Height()); ++y) {
    const int sy = static_cast<int>(std::int64_t{y - r.top} * picture.GetHeight() / h);
    std::uint8_t* out = surface_.ScanLine(y) + 4 * x0;
    const std::uint8_t* row = picture.ScanLine(sy);
    for (int x = x0; x < x1; ++x, out += 4) {
      const int sx = columns[static_cast<std::size_t>(x - x0)];
      if (plain) {
        const std::uint8_t* p = row + sx * step;
        put(out, p[2] | (p[1] << 8) | (std::uint32_t{p[0]} << 16));
      } else {
        put(out, BitmapPixel(picture, sx, sy));
      }
    }
  }
}

namespace {

inline void Store(std::uint8_t* p, TCanvasColor color) {
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
  p[3] = 0;
}

}  // namespace

void TCanvas::StretchDraw(const TRect& r, const TBitmap& picture) {
  Stretch(r, picture, [](std::uint8_t* p, TCanvasColor c) { Store(p, c); });
}

void TCanvas::StretchDrawKeyed(const TRect& r, const TBitmap& picture, TCanvasColor key) {
  Stretch(r, picture, [key](std::uint8_t* p, TCanvasColor c) {
    if (c != key) Store(p, c);
  });
}
