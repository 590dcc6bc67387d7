// Gamma tables and their use, and the tRNS reader's rules.
#include <gtest/gtest.h>

#include <cmath>

#include "png/chunkgama.h"
#include "png/chunktrns.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"
#include "tests/png/pixels.h"
#include "tests/png/pngfixture.h"

using namespace fixture;

namespace {

TEST(Gamma, TablesForTypicalValues) {
  std::uint8_t gamma[256], inverse[256];
  for (int i = 0; i < 256; ++i) gamma[i] = inverse[i] = static_cast<std::uint8_t>(i);

  BuildGammaTables(0, gamma, inverse);  // 0 leaves them alone
  for (int i = 0; i < 256; ++i) ASSERT_EQ(gamma[i], i);

  BuildGammaTables(45455, gamma, inverse);  // 0.45455 x 2.2 is 1: the identity
  for (int i = 0; i < 256; ++i) ASSERT_EQ(gamma[i], i);

  BuildGammaTables(100000, gamma, inverse);
  EXPECT_EQ(gamma[64], 136);
  EXPECT_EQ(gamma[128], 186);
  EXPECT_EQ(gamma[0], 0);
  EXPECT_EQ(gamma[255], 255);
  // Inverse: the largest i reaching each value; unreached values keep their identity entry.
  for (int v = 0; v < 256; ++v) {
    int largest = -1;
    for (int i = 0; i < 256; ++i)
      if (gamma[i] == v) largest = i;
    EXPECT_EQ(inverse[v], largest >= 0 ? largest : v) << v;
  }
}

TEST(Gamma, AppliesToColourButNotToAlphaOrGrayIndices) {
  const Bytes gama = Chunk("gAMA", Be32(100000));
  // Truecolour with alpha: colour through the table, alpha as stored.
  Samples rgba{1, 1, 8, 6, {64, 128, 255, 64}};
  FileOptions o;
  o.extra = {gama};
  const auto png = Load(EncodePng(rgba, o));
  EXPECT_EQ(ShownPixel(*png, 0, 0), (Rgba{136, 186, 255, 64}));
  EXPECT_EQ(png->GammaTable[64], 136);

  // Grayscale: the index is stored, the ramp entry carries the gamma.
  Samples gray{1, 1, 8, 0, {64}};
  const auto g = Load(EncodePng(gray, o));
  EXPECT_EQ(g->GetScanline(0)[0], 64);
  EXPECT_EQ(ShownPixel(*g, 0, 0)[0], 136);

  // Palette entries pass through it as they are read.
  Samples pal{1, 1, 8, 3, {0}};
  o.plte = {64, 128, 0};
  EXPECT_EQ(ShownPixel(*Load(EncodePng(pal, o)), 0, 0), (Rgba{136, 186, 0, 255}));
}

TEST(Gamma, ValueOfAChunkOfOtherSizeIsOne) {
  TPNGObject owner;
  TChunkgAMA chunk(owner);
  EXPECT_EQ(chunk.GetValue(), 1u);
  chunk.SetValue(45455);
  EXPECT_EQ(chunk.GetValue(), 45455u);
  chunk.ResizeData(3);
  EXPECT_EQ(chunk.GetValue(), 1u);
  EXPECT_EQ(chunk.DataSize(), 4u);
}

const TChunktRNS* LoadTrns(std::uint8_t colorType, const Bytes& trns) {
  static std::unique_ptr<TPNGObject> keep;
  const Bytes data = Chunk("IDAT", Deflate(Bytes(1 + (colorType == 2 ? 3 : 1), 0)));
  Bytes file = Png({Ihdr(1, 1, 8, colorType)});
  if (colorType == 3) file = Cat({file, Chunk("PLTE", Bytes(9, 1))});
  keep = Load(Cat({file, Chunk("tRNS", trns), data, Iend()}));
  return keep->Chunks().ItemFromClass<TChunktRNS>();
}

TEST(Trns, BitTransparencyRules) {
  struct Case {
    std::uint8_t colorType;
    Bytes data;
    bool bit;
  } cases[] = {
      {3, {255, 0, 255}, true},  {3, {255, 128, 255}, false}, {3, {0, 0}, false},
      {3, {0}, true},            {0, {0, 7}, true},           {2, {0, 1, 0, 2, 0, 3}, true},
  };
  for (const Case& c : cases) {
    const TChunktRNS* t = LoadTrns(c.colorType, c.data);
    EXPECT_EQ(t->BitTransparency, c.bit) << int(c.colorType) << " size " << c.data.size();
    for (std::size_t i = 0; i < 256; ++i)
      ASSERT_EQ(t->PaletteValues[i], i < c.data.size() ? c.data[i] : 255);
  }
}

TEST(Trns, LengthLimitIs256) {
  EXPECT_NO_THROW(LoadTrns(3, Bytes(256, 7)));
  try {
    LoadTrns(3, Bytes(257, 7));
    FAIL();
  } catch (const EPNGInvalidPalette& e) {
    EXPECT_EQ(e.Message(), EPNGInvalidPaletteText);
  }
}

TEST(Palette, LengthMustBeWholeEntriesAndAtMost256) {
  auto load = [](std::size_t length) {
    return Load(Png({Ihdr(1, 1, 8, 3), Chunk("PLTE", Bytes(length, 9)),
                     Chunk("IDAT", Deflate({0, 0})), Iend()}));
  };
  EXPECT_NO_THROW(load(768));
  EXPECT_THROW(load(771), EPNGInvalidPalette);
  EXPECT_THROW(load(10), EPNGInvalidPalette);
}

}  // namespace
