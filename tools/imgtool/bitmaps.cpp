#include "tools/imgtool/bitmaps.h"

#include <map>
#include <stdexcept>
#include <vector>

namespace {

using Rgb = std::uint32_t;  // 0xRRGGBB

Rgb PixelAt(const PamImage& image, std::size_t i) {
  const std::uint8_t* s = image.samples.data() + i * image.channels;
  if (image.channels < 3) return Rgb{s[0]} << 16 | Rgb{s[0]} << 8 | s[0];
  return Rgb{s[0]} << 16 | Rgb{s[1]} << 8 | s[2];
}

// The fixed tables used when a picture has more colours than fit: black and white; the
// sixteen colours of the classic display; a 6 x 6 x 6 cube with 40 greys.
std::vector<Rgb> FixedTable(int bits) {
  if (bits == 1) return {0x000000, 0xFFFFFF};
  if (bits == 4)
    return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
            0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  std::vector<Rgb> t;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) t.push_back(Rgb(r * 51) << 16 | Rgb(g * 51) << 8 | Rgb(b * 51));
  for (int i = 0; i < 40; ++i) {
    const Rgb v = static_cast<Rgb>(i * 255 / 39);
    t.push_back(v << 16 | v << 8 | v);
  }
  return t;
}

std::size_t Nearest(const std::vector<Rgb>& table, Rgb c) {
  std::size_t best = 0;
  long bestDistance = -1;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const long dr = long(c >> 16 & 255) - long(table[i] >> 16 & 255);
    const long dg = long(c >> 8 & 255) - long(table[i] >> 8 & 255);
    const long db = long(c & 255) - long(table[i] & 255);
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
  }
  return best;
}

TBitmap PaletteBitmap(const PamImage& image, int bits) {
  const std::size_t pixels = std::size_t{image.width} * image.height;
  std::map<Rgb, std::size_t> own;
  for (std::size_t i = 0; i < pixels && own.size() <= (1u << bits); ++i)
    own.emplace(PixelAt(image, i), 0);
  std::vector<Rgb> table;
  const bool fits = own.size() <= (1u << bits);
  if (fits) {
    for (auto& [colour, index] : own) {
      index = table.size();
      table.push_back(colour);
    }
  } else {
    table = FixedTable(bits);
  }
  TBitmap b(static_cast<int>(image.width), static_cast<int>(image.height), bits);
  b.Colors.assign(table.size(), TRGBQuad{0, 0, 0, 0});
  for (std::size_t i = 0; i < table.size(); ++i)
    b.Colors[i] =
        TRGBQuad{static_cast<std::uint8_t>(table[i]), static_cast<std::uint8_t>(table[i] >> 8),
                 static_cast<std::uint8_t>(table[i] >> 16), 0};
  std::map<Rgb, std::size_t> nearest;
  const int perByte = 8 / bits;
  for (std::uint32_t y = 0; y < image.height; ++y) {
    std::uint8_t* row = b.ScanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < image.width; ++x) {
      const Rgb c = PixelAt(image, std::size_t{y} * image.width + x);
      std::size_t index;
      if (fits) {
        index = own[c];
      } else {
        auto it = nearest.find(c);
        if (it == nearest.end()) it = nearest.emplace(c, Nearest(table, c)).first;
        index = it->second;
      }
      row[x / perByte] |= static_cast<std::uint8_t>(index << ((perByte - 1 - x % perByte) * bits));
    }
  }
  return b;
}

}  // namespace

TBitmap BitmapFromPam(const PamImage& image, int bits) {
  if (bits == 1 || bits == 4 || bits == 8) return PaletteBitmap(image, bits);
  if (bits != 16 && bits != 24 && bits != 32) throw std::invalid_argument("bits per pixel");
  TBitmap b(static_cast<int>(image.width), static_cast<int>(image.height), bits);
  const std::size_t step = static_cast<std::size_t>(bits / 8);
  for (std::uint32_t y = 0; y < image.height; ++y) {
    std::uint8_t* row = b.ScanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < image.width; ++x) {
      const Rgb c = PixelAt(image, std::size_t{y} * image.width + x);
      std::uint8_t* p = row + x * step;
      if (bits == 16) {
        const std::uint32_t v = (c >> 19 & 31) << 10 | (c >> 11 & 31) << 5 | (c >> 3 & 31);
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
        continue;
      }
      p[0] = static_cast<std::uint8_t>(c);
      p[1] = static_cast<std::uint8_t>(c >> 8);
      p[2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return b;
}

PamImage PamFromBitmap(const TBitmap& bitmap) {
  PamImage out;
  out.width = static_cast<std::uint32_t>(bitmap.GetWidth());
  out.height = static_cast<std::uint32_t>(bitmap.GetHeight());
  out.channels = 3;
  const std::vector<std::uint8_t> bgr = bitmap.BottomUpPixels(24);
  const std::size_t stride = DibRowBytes(out.width, 24);
  out.samples.resize(std::size_t{out.width} * out.height * 3);
  std::uint8_t* p = out.samples.data();
  for (std::uint32_t y = 0; y < out.height; ++y) {
    const std::uint8_t* row = bgr.data() + stride * (out.height - 1 - y);
    for (std::uint32_t x = 0; x < out.width; ++x, p += 3) {
      p[0] = row[3 * x + 2];
      p[1] = row[3 * x + 1];
      p[2] = row[3 * x];
    }
  }
  return out;
}
