#include "app/artwork.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "ui/types.h"

namespace {

// A small paint box of RGB colours, packed into a bitmap of the wanted depth at the end.
class Sketch {
 public:
  Sketch(int w, int h, TColor background) : w_(w), h_(h), px_(std::size_t(w) * h, background) {}
  void Put(int x, int y, TColor c) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_) px_[std::size_t(y) * w_ + x] = c;
  }
  void Box(int l, int t, int r, int b, TColor c) {
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) Put(x, y, c);
  }
  void Frame(int l, int t, int r, int b, TColor c, int width = 1) {
    for (int i = 0; i < width; ++i) {
      Box(l + i, t + i, r - i, t + i + 1, c);
      Box(l + i, b - i - 1, r - i, b - i, c);
      Box(l + i, t + i, l + i + 1, b - i, c);
      Box(r - i - 1, t + i, r - i, b - i, c);
    }
  }
  void Disc(int cx, int cy, int radius, TColor c) {
    for (int y = cy - radius; y <= cy + radius; ++y)
      for (int x = cx - radius; x <= cx + radius; ++x)
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) Put(x, y, c);
  }
  void Line(int x0, int y0, int x1, int y1, TColor c) {
    const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= n; ++i)
      Put(x0 + (x1 - x0) * i / std::max(n, 1), y0 + (y1 - y0) * i / std::max(n, 1), c);
  }
  TColor At(int x, int y) const { return px_[std::size_t(y) * w_ + x]; }

  TBitmap Pack(int bits) const {
    TBitmap b(w_, h_, bits);
    std::vector<TColor> palette;
    for (int y = 0; y < h_; ++y) {
      std::uint8_t* row = b.ScanLine(y);
      for (int x = 0; x < w_; ++x) {
        const TColor c = At(x, y);
        const int r = c & 0xFF, g = (c >> 8) & 0xFF, bl = (c >> 16) & 0xFF;
        if (bits == 24) {
          row[3 * x] = static_cast<std::uint8_t>(bl);
          row[3 * x + 1] = static_cast<std::uint8_t>(g);
          row[3 * x + 2] = static_cast<std::uint8_t>(r);
        } else if (bits == 16) {
          const int v = ((r >> 3) << 10) | ((g >> 3) << 5) | (bl >> 3);
          row[2 * x] = static_cast<std::uint8_t>(v);
          row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
        } else {
          std::size_t index = 0;
          while (index < palette.size() && palette[index] != c) ++index;
          if (index == palette.size() && palette.size() < 16) palette.push_back(c);
          if (index >= 16) index = 0;
          row[x / 2] |= static_cast<std::uint8_t>(x % 2 ? index : index << 4);
        }
      }
    }
    for (std::size_t i = 0; i < palette.size(); ++i)
      b.Colors[i] = TRGBQuad{static_cast<std::uint8_t>(palette[i] >> 16),
                             static_cast<std::uint8_t>(palette[i] >> 8),
                             static_cast<std::uint8_t>(palette[i]), 0};
    return b;
  }

 private:
  int w_, h_;
  std::vector<TColor> px_;
};

constexpr TColor kBrightGreen = MakeColor(0, 255, 0);
constexpr TColor kFrameGreen = MakeColor(0, 160, 0);

Sketch IconBase(TColor frame) {
  Sketch s(32, 32, clWhite);
  s.Frame(0, 0, 32, 32, frame, 2);
  return s;
}

}  // namespace

namespace Artwork {

TBitmap PictureIcon() {
  Sketch s = IconBase(kBrightGreen);
  s.Box(2, 2, 30, 18, MakeColor(150, 200, 255));
  s.Disc(22, 8, 4, MakeColor(255, 210, 0));
  s.Box(2, 22, 30, 30, MakeColor(40, 90, 220));
  for (int x = 2; x < 30; ++x) {
    const int top = 14 + std::abs(x - 12) / 2;
    s.Box(x, top, x + 1, 22, MakeColor(40, 150, 40));
  }
  return s.Pack(24);
}

TBitmap TextIcon() {
  Sketch s = IconBase(kFrameGreen);
  s.Box(8, 7, 24, 11, clRed);
  s.Box(14, 11, 18, 26, clRed);
  return s.Pack(24);
}

TBitmap EmptyIcon() { return IconBase(kFrameGreen).Pack(24); }

TBitmap Emblem() {
  Sketch s(64, 64, MakeColor(192, 192, 192));
  s.Box(6, 8, 32, 44, MakeColor(128, 64, 0));      // clipboard board
  s.Box(9, 13, 29, 41, clWhite);                   // its paper
  s.Box(13, 5, 25, 11, MakeColor(128, 128, 128));  // the clip
  for (int y = 18; y < 38; y += 5) s.Box(12, y, 26, y + 1, clBlack);
  for (int i = 0; i < 9; ++i) s.Line(30 + i, 30 - i / 2, 30 + i, 36 + i / 2, clRed);  // arrow
  s.Box(24, 32, 32, 34, clRed);
  s.Box(36, 34, 60, 60, MakeColor(0, 0, 128));      // floppy disk
  s.Box(41, 34, 55, 43, MakeColor(192, 192, 192));  // shutter
  s.Box(40, 48, 56, 59, clWhite);                   // label
  s.Box(50, 35, 53, 42, MakeColor(0, 0, 128));
  return s.Pack(4);
}

TBitmap MainWindowMiniature() {
  Sketch s(23, 20, MakeColor(186, 220, 226));
  s.Box(0, 0, 23, 3, MakeColor(0, 0, 128));
  s.Frame(0, 0, 23, 20, MakeColor(64, 64, 64));
  s.Box(2, 6, 11, 18, clWhite);
  s.Box(12, 6, 21, 18, clWhite);
  s.Box(14, 4, 20, 5, clRed);
  return s.Pack(24);
}

TBitmap NewFolder() {
  Sketch s(22, 22, MakeColor(192, 192, 192));
  s.Box(2, 7, 9, 9, MakeColor(200, 160, 0));
  s.Box(2, 9, 19, 19, MakeColor(255, 220, 60));
  s.Frame(2, 9, 19, 19, MakeColor(160, 120, 0));
  s.Line(17, 1, 17, 7, clWhite);
  s.Line(14, 4, 20, 4, clWhite);
  s.Line(15, 2, 19, 6, MakeColor(255, 255, 160));
  return s.Pack(24);
}

TBitmap Scissors() {
  Sketch s(21, 21, MakeColor(192, 192, 192));
  s.Line(5, 2, 13, 14, MakeColor(64, 64, 64));
  s.Line(15, 2, 7, 14, MakeColor(64, 64, 64));
  s.Frame(3, 13, 9, 19, clRed);
  s.Frame(11, 13, 17, 19, clRed);
  return s.Pack(24);
}

TBitmap TwoDocuments() {
  Sketch s(20, 19, MakeColor(192, 192, 192));
  s.Box(2, 1, 12, 13, clWhite);
  s.Frame(2, 1, 12, 13, clBlack);
  s.Box(8, 6, 18, 18, clWhite);
  s.Frame(8, 6, 18, 18, clBlack);
  for (int y = 9; y < 16; y += 2) s.Box(10, y, 16, y + 1, clNavy);
  return s.Pack(16);
}

TBitmap FloppyDisk() {
  Sketch s(21, 19, MakeColor(192, 192, 192));
  s.Box(2, 1, 19, 18, MakeColor(0, 0, 128));
  s.Box(6, 1, 15, 7, MakeColor(192, 192, 192));
  s.Box(5, 10, 16, 18, clWhite);
  return s.Pack(16);
}

}  // namespace Artwork
