// Decoding of every colour type, bit depth and interlace method against pixels the test works
// out from the samples it encoded itself.
#include <gtest/gtest.h>

#include "png/chunkihdr.h"
#include "png/pngerrors.h"
#include "png/pngobject.h"
#include "tests/png/pixels.h"
#include "tests/png/pngfixture.h"

using namespace fixture;

namespace {

struct Format {
  std::uint8_t colorType, depth;
  std::uint16_t bufferBits;
};

const Format kFormats[] = {
    {0, 1, 1},  {0, 2, 4},  {0, 4, 4},  {0, 8, 8},  {0, 16, 8}, {2, 8, 24}, {2, 16, 24},
    {3, 1, 1},  {3, 2, 4},  {3, 4, 4},  {3, 8, 8},  {4, 8, 8},  {4, 16, 8}, {6, 8, 24},
    {6, 16, 24},
};

// A palette whose entry i is (i, 255 - i, 3i) for the first `count` entries.
Bytes TestPalette(std::uint32_t count) {
  Bytes p;
  for (std::uint32_t i = 0; i < count; ++i) {
    p.push_back(static_cast<std::uint8_t>(i));
    p.push_back(static_cast<std::uint8_t>(255 - i));
    p.push_back(static_cast<std::uint8_t>(3 * i));
  }
  return p;
}

std::uint8_t To8(std::uint32_t v, std::uint8_t depth) {
  if (depth == 16) return static_cast<std::uint8_t>(v >> 8);
  return static_cast<std::uint8_t>(v * 255 / ((1u << depth) - 1));
}

// What the program must show for a sample, worked out without the decoder.
Rgba ExpectedPixel(const Samples& s, std::uint32_t x, std::uint32_t y, std::uint32_t paletteCount) {
  const std::uint8_t d = s.depth;
  switch (s.colorType) {
    case 0: {
      const std::uint8_t g = To8(s.At(x, y, 0), d);
      return {g, g, g, 255};
    }
    case 2:
      return {To8(s.At(x, y, 0), d), To8(s.At(x, y, 1), d), To8(s.At(x, y, 2), d), 255};
    case 3: {
      const std::uint32_t i = s.At(x, y, 0);
      if (i >= paletteCount) return {0, 0, 0, 255};
      return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
              static_cast<std::uint8_t>(3 * i), 255};
    }
    case 4: {
      const std::uint8_t g = To8(s.At(x, y, 0), d);
      return {g, g, g, To8(s.At(x, y, 1), d)};
    }
    default:
      return {To8(s.At(x, y, 0), d), To8(s.At(x, y, 1), d), To8(s.At(x, y, 2), d),
              To8(s.At(x, y, 3), d)};
  }
}

void ExpectShows(const TPNGObject& png, const Samples& s, std::uint32_t paletteCount) {
  for (std::uint32_t y = 0; y < s.height; ++y)
    for (std::uint32_t x = 0; x < s.width; ++x)
      ASSERT_EQ(ShownPixel(png, x, y), ExpectedPixel(s, x, y, paletteCount))
          << "pixel " << x << "," << y;
}

class DecodeFormat : public ::testing::TestWithParam<std::tuple<Format, bool>> {};

TEST_P(DecodeFormat, EverySizeAndFilterShowsTheEncodedSamples) {
  const auto [f, interlaced] = GetParam();
  for (std::uint32_t w = 1; w <= 11; ++w) {
    for (std::uint32_t h : {1u, 2u, 5u, 11u}) {
      const Samples s = MakeSamples(w, h, f.depth, f.colorType, w * 31 + h);
      FileOptions o;
      o.interlaced = interlaced;
      o.filters = {0, 1, 2, 3, 4, 4, 3, 2, 1};
      const std::uint32_t count = f.colorType == 3 ? (1u << f.depth) : 0;
      if (f.colorType == 3) o.plte = TestPalette(count);
      const auto png = Load(EncodePng(s, o));
      const TChunkIHDR& header = png->GetHeader();
      ASSERT_EQ(header.BitmapInfo.bmiHeader.biBitCount, f.bufferBits);
      ASSERT_EQ(header.BytesPerRow, ((f.bufferBits * w + 31) / 32) * 4);
      ASSERT_EQ(header.ImageAlpha.size(), f.colorType == 4 || f.colorType == 6 ? w * h : 0u);
      ASSERT_EQ(png->InterlaceMethod,
                interlaced ? TInterlaceMethod::imAdam7 : TInterlaceMethod::imNone);
      SCOPED_TRACE(testing::Message() << "size " << w << "x" << h);
      ExpectShows(*png, s, count);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, DecodeFormat,
                         ::testing::Combine(::testing::ValuesIn(kFormats), ::testing::Bool()),
                         [](const auto& p) {
                           const Format f = std::get<0>(p.param);
                           return "ct" + std::to_string(f.colorType) + "_d" +
                                  std::to_string(f.depth) +
                                  (std::get<1>(p.param) ? "_adam7" : "_plain");
                         });

TEST(Decode, TwoBitGrayShowsFourLevelsPlainAndInterlaced) {
  for (bool interlaced : {false, true}) {
    Samples s{4, 1, 2, 0, {0, 1, 2, 3}};
    FileOptions o;
    o.interlaced = interlaced;
    const auto png = Load(EncodePng(s, o));
    const std::uint8_t expected[] = {0, 85, 170, 255};
    for (std::uint32_t x = 0; x < 4; ++x) EXPECT_EQ(ShownPixel(*png, x, 0)[0], expected[x]);
    // The buffer holds 4-bit indices 0, 5, 10, 15.
    EXPECT_EQ(png->GetScanline(0)[0], 0x05);
    EXPECT_EQ(png->GetScanline(0)[1], 0xAF);
  }
}

TEST(Decode, SixteenBitTruecolourKeepsHighBytes) {
  Samples s{1, 1, 16, 2, {0x1234, 0x5678, 0x9ABC}};
  const auto png = Load(EncodePng(s, {}));
  EXPECT_EQ(ShownPixel(*png, 0, 0), (Rgba{0x12, 0x56, 0x9A, 255}));
  // Stored blue, green, red.
  EXPECT_EQ(png->GetScanline(0)[0], 0x9A);
  EXPECT_EQ(png->GetScanline(0)[2], 0x12);
}

TEST(Decode, PaletteIndexBeyondTheEntriesShowsBlack) {
  Samples s{2, 1, 8, 3, {1, 5}};
  FileOptions o;
  o.plte = TestPalette(3);
  const auto png = Load(EncodePng(s, o));
  EXPECT_EQ(ShownPixel(*png, 0, 0), (Rgba{1, 254, 3, 255}));
  EXPECT_EQ(ShownPixel(*png, 1, 0), (Rgba{0, 0, 0, 255}));
}

TEST(Decode, PaletteImageWithoutPlteIsBlack) {
  Samples s{2, 1, 8, 3, {1, 2}};
  const auto png = Load(EncodePng(s, {}));
  EXPECT_EQ(ShownPixel(*png, 1, 0), (Rgba{0, 0, 0, 255}));
}

TEST(Decode, OneByteIdatChunksDecodeLikeOne) {
  const Samples s = MakeSamples(9, 7, 8, 6, 5);
  for (bool interlaced : {false, true}) {
    FileOptions whole, split;
    whole.interlaced = split.interlaced = interlaced;
    whole.filters = split.filters = {4, 1, 3};
    split.idatPiece = 1;
    const auto a = Load(EncodePng(s, whole));
    const auto b = Load(EncodePng(s, split));
    EXPECT_EQ(a->GetHeader().ImageData, b->GetHeader().ImageData);
    EXPECT_EQ(a->GetHeader().ImageAlpha, b->GetHeader().ImageAlpha);
    ExpectShows(*b, s, 0);
  }
}

TEST(Decode, EmptyIdatChunksBetweenDataAreSteppedOver) {
  const Samples s = MakeSamples(5, 5, 8, 2, 9);
  const Bytes data = Deflate(FilteredRows(s, false, {0}));
  const std::size_t half = data.size() / 2;
  const Bytes file = Png({Ihdr(5, 5, 8, 2), Chunk("IDAT", {}),
                          Chunk("IDAT", Bytes(data.begin(), data.begin() + half)),
                          Chunk("IDAT", {}), Chunk("IDAT", Bytes(data.begin() + half, data.end())),
                          Iend()});
  ExpectShows(*Load(file), s, 0);
}

TEST(Decode, InterlacedOneByOneNeedsOnlyTheFirstPass) {
  Samples s{1, 1, 8, 2, {10, 20, 30}};
  FileOptions o;
  o.interlaced = true;
  // The only row is pass 1's: a filter byte and 3 samples.
  EXPECT_EQ(FilteredRows(s, true, {0}).size(), 4u);
  EXPECT_EQ(ShownPixel(*Load(EncodePng(s, o)), 0, 0), (Rgba{10, 20, 30, 255}));
}

TEST(Decode, UpFilterOnEachPassStartsFromZeros) {
  const Samples s = MakeSamples(11, 11, 8, 0, 3);
  FileOptions o;
  o.interlaced = true;
  o.filters = {2};
  ExpectShows(*Load(EncodePng(s, o)), s, 0);
}

TEST(Decode, FilterTypeAboveFourLeavesTheRowAsStored) {
  Bytes raw = {7, 10, 20, 30};  // filter type 7 on one 3-byte row
  const Bytes file = Png({Ihdr(1, 1, 8, 2), Chunk("IDAT", Deflate(raw)), Iend()});
  EXPECT_EQ(ShownPixel(*Load(file), 0, 0), (Rgba{10, 20, 30, 255}));
}

TEST(Decode, WidthLimitIs65535) {
  const Bytes row(1 + 65535 / 8 + 1, 0);
  const Bytes ok = Png({Ihdr(65535, 1, 1, 0), Chunk("IDAT", Deflate(row)), Iend()});
  EXPECT_EQ(Load(ok)->GetWidth(), 65535);
  const Bytes tooWide = Png({Ihdr(65536, 1, 1, 0), Chunk("IDAT", Deflate(row)), Iend()});
  EXPECT_THROW(Load(tooWide), EPNGSizeExceeds);
}

TEST(Decode, ScanlinesCountFromTheTop) {
  Samples s{1, 3, 8, 0, {1, 2, 3}};
  const auto png = Load(EncodePng(s, {}));
  const TChunkIHDR& h = png->GetHeader();
  // Bottom-up buffer: the top image row is the last stored row.
  EXPECT_EQ(png->GetScanline(0), h.ImageData.data() + 2 * h.BytesPerRow);
  EXPECT_EQ(h.ImageData[0], 3);
  EXPECT_EQ(png->GetAlphaScanline(0), nullptr);
}

}  // namespace
