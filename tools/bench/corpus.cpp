#include "tools/bench/corpus.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

// Flat panels, thin dark text-like strokes, a gradient title bar.
void Screenshot(std::uint32_t w, std::uint32_t, std::uint32_t x, std::uint32_t y, std::uint8_t* p) {
  std::uint8_t r = 240, g = 240, b = 240;
  if (y < 40) {
    r = static_cast<std::uint8_t>(40 + x * 100 / w);
    g = static_cast<std::uint8_t>(80 + x * 60 / w);
    b = 200;
  } else if (x < w / 5) {
    r = 220, g = 228, b = 236;
  }
  const bool textLine = (y % 18) >= 6 && (y % 18) < 15 && x % 300 < 240 && y > 50;
  if (textLine && ((x * 7 + y * 3) % 11 < 3 || (x % 9) == 0)) r = g = b = 30;
  if (x % 480 == 0 || y % 270 == 0) r = g = b = 128;
  p[0] = r, p[1] = g, p[2] = b;
}

// Smooth waves with a little grain.
void Photo(std::uint32_t, std::uint32_t, std::uint32_t x, std::uint32_t y, std::uint8_t* p) {
  std::uint32_t s = x * 73856093u ^ y * 19349663u;
  s ^= s >> 13;
  s *= 0x5bd1e995u;
  const int grain = static_cast<int>((s >> 24) % 9) - 4;
  for (int c = 0; c < 3; ++c) {
    const double v = 128 + 60 * std::sin(x / (37.0 + c * 11)) * std::cos(y / (53.0 - c * 7)) +
                     40 * std::sin((x + y) / (211.0 + c * 31));
    p[c] = static_cast<std::uint8_t>(std::clamp(static_cast<int>(v) + grain, 0, 255));
  }
}

void WriteWithLibpng(CorpusImage& img) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng write failed");
  png_set_write_fn(
      png, &img.file,
      [](png_structp p, png_bytep data, png_size_t n) {
        auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
        out->insert(out->end(), data, data + n);
      },
      nullptr);
  const int ct = img.colorType == 6 ? PNG_COLOR_TYPE_RGBA
                 : img.colorType == 3 ? PNG_COLOR_TYPE_PALETTE
                                      : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, img.width, img.height, 8, ct,
               img.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette(256);
  if (img.colorType == 3) {
    for (int i = 0; i < 256; ++i)
      palette[i] = {static_cast<png_byte>(i), static_cast<png_byte>(255 - i), static_cast<png_byte>(i * 3)};
    png_set_PLTE(png, info, palette.data(), 256);
  }
  png_write_info(png, info);
  const std::size_t channels = img.colorType == 6 ? 4 : img.colorType == 3 ? 1 : 3;
  std::vector<png_bytep> rows(img.height);
  for (std::uint32_t y = 0; y < img.height; ++y) rows[y] = img.pixels.data() + y * img.width * channels;
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}

CorpusImage Make(const std::string& name, std::uint32_t w, std::uint32_t h, int colorType,
                 bool photo, bool interlaced) {
  CorpusImage img{name, w, h, colorType, interlaced, {}, {}};
  const std::size_t channels = colorType == 6 ? 4 : colorType == 3 ? 1 : 3;
  img.pixels.resize(std::size_t{w} * h * channels);
  std::uint8_t rgb[3];
  for (std::uint32_t y = 0; y < h; ++y) {
    for (std::uint32_t x = 0; x < w; ++x) {
      (photo ? Photo : Screenshot)(w, h, x, y, rgb);
      std::uint8_t* p = img.pixels.data() + (std::size_t{y} * w + x) * channels;
      if (colorType == 3) {
        p[0] = static_cast<std::uint8_t>((rgb[0] / 32) * 32 + (rgb[1] / 64) * 8 + rgb[2] / 32);
        continue;
      }
      std::memcpy(p, rgb, 3);
      if (colorType == 6) p[3] = static_cast<std::uint8_t>(x < w / 2 ? 255 : (x + y) & 255);
    }
  }
  WriteWithLibpng(img);
  return img;
}

}  // namespace

std::vector<CorpusImage> MakeCorpus() {
  std::vector<CorpusImage> c;
  for (bool adam7 : {false, true}) {
    const std::string s = adam7 ? "-adam7" : "";
    c.push_back(Make("screenshot" + s, 1920, 1080, 2, false, adam7));
    c.push_back(Make("photo" + s, 1920, 1080, 2, true, adam7));
    c.push_back(Make("screenshot-alpha" + s, 1920, 1080, 6, false, adam7));
    c.push_back(Make("photo-alpha" + s, 1920, 1080, 6, true, adam7));
    c.push_back(Make("palette" + s, 1024, 768, 3, true, adam7));
  }
  c.push_back(Make("big-4096", 4096, 4096, 2, true, false));
  return c;
}

std::vector<std::uint8_t> IdatStream(const std::vector<std::uint8_t>& file) {
  std::vector<std::uint8_t> out;
  for (std::size_t pos = 8; pos + 12 <= file.size();) {
    const std::uint32_t n = (file[pos] << 24) | (file[pos + 1] << 16) | (file[pos + 2] << 8) | file[pos + 3];
    if (std::memcmp(&file[pos + 4], "IDAT", 4) == 0)
      out.insert(out.end(), file.begin() + pos + 8, file.begin() + pos + 8 + n);
    pos += 12 + n;
  }
  return out;
}
