#pragma once
// Builds PNG files for the tests with zlib alone (CRC and deflate), independent of the codec.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TPNGObject;

namespace fixture {

using Bytes = std::vector<std::uint8_t>;

Bytes Be32(std::uint32_t v);
Bytes Cat(std::initializer_list<Bytes> parts);
Bytes Text(std::string_view s);

// A framed chunk: length, type, data and a correct CRC (or one made wrong on request).
Bytes Chunk(const std::string& type, const Bytes& data, bool badCrc = false);
Bytes Ihdr(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colorType,
           std::uint8_t interlace = 0);
Bytes Signature();
Bytes Iend();
// Signature followed by the chunks.
Bytes Png(std::initializer_list<Bytes> chunks);
Bytes Deflate(const Bytes& raw, int level = 6);

// A picture as samples: channels per pixel by colour type, each sample < 2^depth.
struct Samples {
  std::uint32_t width = 0, height = 0;
  std::uint8_t depth = 8, colorType = 0;
  std::vector<std::uint32_t> values;  // width * height * channels, top row first
  std::uint32_t At(std::uint32_t x, std::uint32_t y, std::uint32_t channel) const;
};
std::uint32_t Channels(std::uint8_t colorType);
// Deterministic pseudo-random samples.
Samples MakeSamples(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                    std::uint8_t colorType, std::uint32_t seed);

// The image data before deflate: every row (of every Adam7 pass when interlaced) packed and
// filtered with the filter types taken in turn from `filters`.
Bytes FilteredRows(const Samples& s, bool interlaced, const std::vector<std::uint8_t>& filters);

// A whole file: IHDR, the extra chunks, PLTE when given, IDAT split into pieces of at most
// `idatPiece` bytes, IEND.
struct FileOptions {
  bool interlaced = false;
  std::vector<std::uint8_t> filters{0};
  Bytes plte;
  std::vector<Bytes> extra;  // after IHDR, before PLTE
  std::size_t idatPiece = 0;  // 0: one IDAT chunk
};
Bytes EncodePng(const Samples& s, const FileOptions& options);

std::unique_ptr<TPNGObject> Load(const Bytes& file);

}  // namespace fixture
