// Writing PNG files from bitmaps and from loaded images: structure, rows, filter choice, IDAT
// cutting and round trips.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>

#include "imaging/bitmap.h"
#include "imaging/stream.h"
#include "png/chunkihdr.h"
#include "png/pngobject.h"
#include "tests/png/pixels.h"
#include "tests/png/pngfixture.h"

using namespace fixture;

namespace {

struct StoredChunk {
  std::string type;
  Bytes data;
};

// The test's own reading of a file's framing.
std::vector<StoredChunk> Chunks(const Bytes& file) {
  std::vector<StoredChunk> out;
  for (std::size_t pos = 8; pos + 12 <= file.size();) {
    const std::uint32_t n = (file[pos] << 24) | (file[pos + 1] << 16) | (file[pos + 2] << 8) | file[pos + 3];
    out.push_back({std::string(file.begin() + pos + 4, file.begin() + pos + 8),
                   Bytes(file.begin() + pos + 8, file.begin() + pos + 8 + n)});
    pos += 12 + n;
  }
  return out;
}

std::vector<std::string> Types(const std::vector<StoredChunk>& chunks) {
  std::vector<std::string> t;
  for (const auto& c : chunks) t.push_back(c.type);
  return t;
}

Bytes Inflate(const Bytes& z) {
  Bytes out(1 << 24);
  uLongf size = out.size();
  EXPECT_EQ(uncompress(out.data(), &size, z.data(), static_cast<uLong>(z.size())), Z_OK);
  out.resize(size);
  return out;
}

Bytes ImageData(const std::vector<StoredChunk>& chunks) {
  Bytes all;
  for (const auto& c : chunks)
    if (c.type == "IDAT") all.insert(all.end(), c.data.begin(), c.data.end());
  return all;
}

Bytes Save(TPNGObject& png) {
  TMemoryStream out;
  png.SaveToStream(out);
  return out.Bytes();
}

Bytes SaveBitmap(const TBitmap& bitmap, TFilters filters = FilterBit(pfSub)) {
  TPNGObject png;
  png.Filters = filters;
  png.Assign(bitmap);
  return Save(png);
}

TBitmap Truecolour(int width, int height, int bits, std::uint32_t seed) {
  TBitmap b(width, height, bits);
  std::uint32_t state = seed;
  for (auto& byte : b.Bits) byte = static_cast<std::uint8_t>((state = state * 1103515245u + 12345u) >> 16);
  return b;
}

TEST(Encode, ThreeByTwoTruecolourFile) {
  TBitmap b(3, 2, 24);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      std::uint8_t* p = b.ScanLine(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(10 * x + 1);  // blue
      p[1] = static_cast<std::uint8_t>(10 * x + 2);  // green
      p[2] = static_cast<std::uint8_t>(10 * x + 3 + 100 * y);  // red
    }
  const auto chunks = Chunks(SaveBitmap(b));
  EXPECT_EQ(Types(chunks), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  EXPECT_EQ(chunks[0].data, Cat({Be32(3), Be32(2), {8, 2, 0, 0, 0}}));
  EXPECT_TRUE(chunks[2].data.empty());
  const Bytes rows = Inflate(chunks[1].data);
  ASSERT_EQ(rows.size(), 20u);
  // Sub filter: the first pixel as it is (red, green, blue), then differences of 10.
  EXPECT_EQ(Bytes(rows.begin(), rows.begin() + 10), (Bytes{1, 3, 2, 1, 10, 10, 10, 10, 10, 10}));
  EXPECT_EQ(Bytes(rows.begin() + 10, rows.end()), (Bytes{1, 103, 2, 1, 10, 10, 10, 10, 10, 10}));
}

TEST(Encode, PaletteBitmapsGetFullPalettes) {
  TBitmap mono(10, 3, 1);
  mono.Colors[1] = TRGBQuad{255, 255, 255, 0};
  mono.ScanLine(0)[0] = 0x80;
  const auto a = Chunks(SaveBitmap(mono));
  EXPECT_EQ(Types(a), (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
  EXPECT_EQ(a[0].data[8], 1);
  EXPECT_EQ(a[0].data[9], 3);
  EXPECT_EQ(a[1].data, (Bytes{0, 0, 0, 255, 255, 255}));

  TBitmap eight(4, 4, 8);
  eight.Colors[7] = TRGBQuad{1, 2, 3, 0};
  const auto c = Chunks(SaveBitmap(eight));
  EXPECT_EQ(c[1].data.size(), 768u);
  EXPECT_EQ(Bytes(c[1].data.begin() + 21, c[1].data.begin() + 24), (Bytes{3, 2, 1}));
  const auto png = Load(SaveBitmap(mono));
  EXPECT_EQ(ShownPixel(*png, 0, 0), (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(ShownPixel(*png, 1, 0), (Rgba{0, 0, 0, 255}));
}

TEST(Encode, TopDownBitmapGivesAPositiveHeightAndTheSamePicture) {
  TBitmap up = Truecolour(5, 4, 32, 3);
  TBitmap down(5, -4, 32);
  for (int y = 0; y < 4; ++y) std::memcpy(down.ScanLine(y), up.ScanLine(y), up.RowBytes());
  const Bytes a = SaveBitmap(up), b = SaveBitmap(down);
  EXPECT_EQ(Chunks(b)[0].data, Cat({Be32(5), Be32(4), {8, 2, 0, 0, 0}}));
  EXPECT_EQ(a, b);
  const auto png = Load(b);
  const std::uint8_t* p = up.ScanLine(1) + 4 * 2;
  EXPECT_EQ(ShownPixel(*png, 2, 1), (Rgba{p[2], p[1], p[0], 255}));
}

TEST(Encode, SixteenBitBitmapIsExpandedFrom555) {
  TBitmap b(1, 1, 16);
  b.Bits[0] = 0x1F;  // blue 31
  b.Bits[1] = 0x7C;  // red 31
  EXPECT_EQ(ShownPixel(*Load(SaveBitmap(b)), 0, 0), (Rgba{255, 0, 255, 255}));
}

TEST(Encode, FilterChoice) {
  const TBitmap b = Truecolour(17, 6, 24, 9);
  auto filterBytes = [&](TFilters f) {
    const Bytes rows = Inflate(ImageData(Chunks(SaveBitmap(b, f))));
    Bytes types;
    for (std::size_t i = 0; i < rows.size(); i += 17 * 3 + 1) types.push_back(rows[i]);
    return types;
  };
  EXPECT_EQ(filterBytes(FilterBit(pfNone)), Bytes(6, 0));
  EXPECT_EQ(filterBytes(0), Bytes(6, 0));
  EXPECT_EQ(filterBytes(FilterBit(pfUp)), Bytes(6, 2));
  EXPECT_EQ(filterBytes(FilterBit(pfPaeth)), Bytes(6, 4));

  // A black picture: Sub and Up both give rows of zeros, and the tie goes to Sub.
  const TBitmap flat(8, 3, 24);
  const Bytes rows = Inflate(ImageData(Chunks(SaveBitmap(flat, FilterBit(pfSub) | FilterBit(pfUp)))));
  for (std::size_t i = 0; i < rows.size(); i += 25) EXPECT_EQ(rows[i], 1) << i;
}

TEST(Encode, RowsWithoutRepeatsAreWrittenUnfiltered) {
  // One pixel a row: no candidate counts a repeat, so the row goes out as None.
  const TBitmap b = Truecolour(1, 4, 24, 4);
  const Bytes rows =
      Inflate(ImageData(Chunks(SaveBitmap(b, FilterBit(pfSub) | FilterBit(pfPaeth)))));
  for (std::size_t i = 0; i < rows.size(); i += 4) EXPECT_EQ(rows[i], 0);
}

TEST(Encode, TransparentColourChunks) {
  TBitmap rgb(2, 2, 24);
  rgb.Transparent = true;
  rgb.TransparentColor = 10 | (20 << 8) | (30 << 16);
  const auto a = Chunks(SaveBitmap(rgb));
  EXPECT_EQ(Types(a), (std::vector<std::string>{"IHDR", "tRNS", "IDAT", "IEND"}));
  EXPECT_EQ(a[1].data, (Bytes{0, 10, 0, 20, 0, 30}));

  TBitmap pal(2, 2, 8);
  for (int i = 0; i < 256; ++i) pal.Colors[i] = TRGBQuad{static_cast<std::uint8_t>(i), 0, 0, 0};
  pal.Transparent = true;
  pal.TransparentColor = 5 << 16;  // blue 5: entry 5
  const auto b = Chunks(SaveBitmap(pal));
  EXPECT_EQ(Types(b), (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
  EXPECT_EQ(b[2].data, (Bytes{255, 255, 255, 255, 255, 0}));
}

TEST(Encode, AssignHandleKeepsTheSettings) {
  TPNGObject png;
  png.CompressionLevel = 2;
  png.Filters = FilterBit(pfUp);
  png.SetMaxIdatSize(70000);
  png.Assign(Truecolour(3, 3, 24, 1));
  EXPECT_EQ(png.CompressionLevel, 2);
  EXPECT_EQ(png.Filters, FilterBit(pfUp));
  EXPECT_EQ(png.MaxIdatSize(), 70000u);
  EXPECT_EQ(png.GetWidth(), 3);
}

TEST(Encode, TwoBitHeaderIsWrittenAsFourBit) {
  Samples s{5, 2, 2, 0, {0, 1, 2, 3, 0, 3, 2, 1, 0, 1}};
  const auto png = Load(EncodePng(s, {}));
  const Bytes saved = Save(*png);
  EXPECT_EQ(Chunks(saved)[0].data[8], 4);
  EXPECT_EQ(png->GetHeader().IHDRData.BitDepth, 4);
  const auto again = Load(saved);
  for (std::uint32_t x = 0; x < 5; ++x)
    EXPECT_EQ(ShownPixel(*again, x, 1)[0], s.At(x, 1, 0) * 85);
}

// Sub-filtered rows of a 24-bit bitmap, worked out by the test.
Bytes SubFilteredRows(const TBitmap& b) {
  Bytes out;
  for (int y = 0; y < b.GetHeight(); ++y) {
    const std::uint8_t* p = b.ScanLine(y);
    Bytes raw;
    for (int x = 0; x < b.GetWidth(); ++x) raw.insert(raw.end(), {p[3 * x + 2], p[3 * x + 1], p[3 * x]});
    out.push_back(1);
    for (std::size_t i = 0; i < raw.size(); ++i)
      out.push_back(static_cast<std::uint8_t>(raw[i] - (i >= 3 ? raw[i - 3] : 0)));
  }
  return out;
}

Bytes OneShotDeflate(const Bytes& raw) {
  z_stream z{};
  deflateInit2(&z, 7, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, static_cast<uLong>(raw.size())));
  z.next_in = const_cast<Bytef*>(raw.data());
  z.avail_in = static_cast<uInt>(raw.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TEST(Encode, ImageDataIsOneZlibStreamOfTheSubFilteredRows) {
  TBitmap b(300, 200, 24);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      std::uint8_t* p = b.ScanLine(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(x ^ y);
      p[1] = static_cast<std::uint8_t>(x * y / 64);
      p[2] = static_cast<std::uint8_t>((x / 20) * 40);
    }
  EXPECT_EQ(ImageData(Chunks(SaveBitmap(b))), OneShotDeflate(SubFilteredRows(b)));
}

TEST(Encode, IdatChunksAreCutAtTheMaximumSize) {
  // One row of random palette indices hardly compresses; find the widths whose stream is
  // exactly 65535 and 65536 bytes long.
  auto bitmapOf = [](int width) {
    TBitmap b(width, 1, 8);
    std::uint32_t state = 7;
    for (auto& byte : b.Bits) byte = static_cast<std::uint8_t>((state = state * 1103515245u + 12345u) >> 16);
    return b;
  };
  auto streamSize = [](const TBitmap& b) {
    Bytes raw{1};
    const std::uint8_t* p = b.ScanLine(0);
    for (int i = 0; i < b.GetWidth(); ++i) raw.push_back(static_cast<std::uint8_t>(p[i] - (i ? p[i - 1] : 0)));
    return OneShotDeflate(raw).size();
  };
  for (std::size_t target : {std::size_t{65535}, std::size_t{65536}}) {
    int width = 65400;
    while (width < 65535 && streamSize(bitmapOf(width)) < target) ++width;
    ASSERT_EQ(streamSize(bitmapOf(width)), target) << "no width gives " << target;
    const auto chunks = Chunks(SaveBitmap(bitmapOf(width)));
    std::vector<std::size_t> sizes;
    for (const auto& c : chunks)
      if (c.type == "IDAT") sizes.push_back(c.data.size());
    const std::vector<std::size_t> expected =
        target == 65535 ? std::vector<std::size_t>{65535} : std::vector<std::size_t>{65535, 1};
    EXPECT_EQ(sizes, expected);
  }
}

struct Format {
  std::uint8_t colorType, depth;
};

class RoundTrip : public ::testing::TestWithParam<std::tuple<Format, bool, bool>> {};

TEST_P(RoundTrip, SavedImageLoadsWithTheSamePixels) {
  const auto [f, interlacedIn, interlacedOut] = GetParam();
  for (std::uint32_t w : {1u, 3u, 8u, 11u}) {
    for (std::uint32_t h : {1u, 4u, 9u}) {
      const Samples s = MakeSamples(w, h, f.depth, f.colorType, w + 13 * h);
      FileOptions o;
      o.interlaced = interlacedIn;
      if (f.colorType == 3) {
        for (std::uint32_t i = 0; i < (1u << f.depth) * 3; ++i) o.plte.push_back(static_cast<std::uint8_t>(i * 7));
      }
      const auto png = Load(EncodePng(s, o));
      png->InterlaceMethod = interlacedOut ? TInterlaceMethod::imAdam7 : TInterlaceMethod::imNone;
      png->Filters = FilterBit(pfNone) | FilterBit(pfSub) | FilterBit(pfUp) | FilterBit(pfAverage) |
                     FilterBit(pfPaeth);
      const auto again = Load(Save(*png));
      EXPECT_EQ(again->InterlaceMethod, png->InterlaceMethod);
      for (std::uint32_t y = 0; y < h; ++y)
        for (std::uint32_t x = 0; x < w; ++x)
          ASSERT_EQ(ShownPixel(*again, x, y), ShownPixel(*png, x, y))
              << w << "x" << h << " pixel " << x << "," << y;
    }
  }
}

const Format kFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                           {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

INSTANTIATE_TEST_SUITE_P(AllFormats, RoundTrip,
                         ::testing::Combine(::testing::ValuesIn(kFormats), ::testing::Bool(),
                                            ::testing::Bool()),
                         [](const auto& p) {
                           const Format f = std::get<0>(p.param);
                           return "ct" + std::to_string(f.colorType) + "_d" +
                                  std::to_string(f.depth) + (std::get<1>(p.param) ? "_in7" : "_in0") +
                                  (std::get<2>(p.param) ? "_out7" : "_out0");
                         });

}  // namespace
