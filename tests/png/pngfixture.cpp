#include "tests/png/pngfixture.h"

#include <zlib.h>

#include <stdexcept>

#include "imaging/stream.h"
#include "png/pngobject.h"

namespace fixture {

Bytes Be32(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
          static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes Chunk(const std::string& type, const Bytes& data, bool badCrc) {
  Bytes typeAndData = Cat({Text(type), data});
  std::uint32_t crc =
      static_cast<std::uint32_t>(crc32(0, typeAndData.data(), static_cast<uInt>(typeAndData.size())));
  if (badCrc) crc ^= 1;
  return Cat({Be32(static_cast<std::uint32_t>(data.size())), typeAndData, Be32(crc)});
}

Bytes Ihdr(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colorType,
           std::uint8_t interlace) {
  return Chunk("IHDR", Cat({Be32(width), Be32(height), {depth, colorType, 0, 0, interlace}}));
}

Bytes Signature() { return {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}; }
Bytes Iend() { return Chunk("IEND", {}); }

Bytes Png(std::initializer_list<Bytes> chunks) {
  Bytes out = Signature();
  for (const Bytes& c : chunks) out.insert(out.end(), c.begin(), c.end());
  return out;
}

Bytes Deflate(const Bytes& raw, int level) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), level) != Z_OK)
    throw std::runtime_error("compress2 failed");
  out.resize(size);
  return out;
}

std::uint32_t Channels(std::uint8_t colorType) {
  switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

std::uint32_t Samples::At(std::uint32_t x, std::uint32_t y, std::uint32_t channel) const {
  return values[(std::size_t{y} * width + x) * Channels(colorType) + channel];
}

Samples MakeSamples(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                    std::uint8_t colorType, std::uint32_t seed) {
  Samples s{width, height, depth, colorType, {}};
  std::uint32_t state = seed * 2654435761u + 12345;
  const std::uint64_t limit = std::uint64_t{1} << depth;
  s.values.resize(std::size_t{width} * height * Channels(colorType));
  for (auto& v : s.values) {
    state = state * 1103515245u + 12345u;
    v = static_cast<std::uint32_t>((state >> 8) % limit);
  }
  return s;
}

namespace {

// Packs samples of pixels x0, x0 + step, ... of row y, big-endian, MSB first.
Bytes PackRow(const Samples& s, std::uint32_t y, std::uint32_t x0, std::uint32_t step) {
  Bytes row;
  std::uint32_t acc = 0, bits = 0;
  for (std::uint32_t x = x0; x < s.width; x += step) {
    for (std::uint32_t c = 0; c < Channels(s.colorType); ++c) {
      const std::uint32_t v = s.At(x, y, c);
      if (s.depth == 16) {
        row.push_back(static_cast<std::uint8_t>(v >> 8));
        row.push_back(static_cast<std::uint8_t>(v));
      } else if (s.depth == 8) {
        row.push_back(static_cast<std::uint8_t>(v));
      } else {
        acc = (acc << s.depth) | v;
        bits += s.depth;
        if (bits == 8) {
          row.push_back(static_cast<std::uint8_t>(acc));
          acc = bits = 0;
        }
      }
    }
  }
  if (bits) row.push_back(static_cast<std::uint8_t>(acc << (8 - bits)));
  return row;
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

Bytes Filter(std::uint8_t type, const Bytes& row, const Bytes& prev, std::size_t bpp) {
  Bytes out{type};
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0, b = prev.empty() ? 0 : prev[i];
    const int c = i >= bpp && !prev.empty() ? prev[i - bpp] : 0;
    int predicted = 0;
    if (type == 1) predicted = a;
    if (type == 2) predicted = b;
    if (type == 3) predicted = (a + b) / 2;
    if (type == 4) predicted = Paeth(a, b, c);
    out.push_back(static_cast<std::uint8_t>(row[i] - predicted));
  }
  return out;
}

}  // namespace

Bytes FilteredRows(const Samples& s, bool interlaced, const std::vector<std::uint8_t>& filters) {
  struct Pass {
    std::uint32_t y0, x0, dy, dx;
  };
  const std::vector<Pass> passes =
      interlaced ? std::vector<Pass>{{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                                     {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}}
                 : std::vector<Pass>{{0, 0, 1, 1}};
  const std::size_t bpp = std::max<std::size_t>(1, Channels(s.colorType) * s.depth / 8);
  Bytes out;
  std::size_t n = 0;
  for (const Pass& p : passes) {
    if (p.x0 >= s.width) continue;
    Bytes prev;
    for (std::uint32_t y = p.y0; y < s.height; y += p.dy) {
      const Bytes row = PackRow(s, y, p.x0, p.dx);
      const Bytes filtered = Filter(filters[n++ % filters.size()], row, prev, bpp);
      out.insert(out.end(), filtered.begin(), filtered.end());
      prev = row;
    }
  }
  return out;
}

Bytes EncodePng(const Samples& s, const FileOptions& o) {
  Bytes file = Cat({Signature(), Ihdr(s.width, s.height, s.depth, s.colorType, o.interlaced)});
  for (const Bytes& e : o.extra) file = Cat({file, e});
  if (!o.plte.empty()) file = Cat({file, Chunk("PLTE", o.plte)});
  const Bytes data = Deflate(FilteredRows(s, o.interlaced, o.filters));
  const std::size_t piece = o.idatPiece ? o.idatPiece : data.size();
  for (std::size_t at = 0; at < data.size(); at += piece) {
    const std::size_t n = std::min(piece, data.size() - at);
    file = Cat({file, Chunk("IDAT", Bytes(data.begin() + at, data.begin() + at + n))});
  }
  return Cat({file, Iend()});
}

std::unique_ptr<TPNGObject> Load(const Bytes& file) {
  auto png = std::make_unique<TPNGObject>();
  TMemoryStream stream(file);
  png->LoadFromStream(stream);
  return png;
}

}  // namespace fixture
