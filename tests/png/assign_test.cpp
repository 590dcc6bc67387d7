// Copying one image into another with AssignPNG and the per-class copy rules.
#include <gtest/gtest.h>

#include "png/chunkgama.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunktext.h"
#include "png/chunktrns.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"
#include "tests/png/pixels.h"
#include "tests/png/pngfixture.h"

using namespace fixture;

namespace {

std::unique_ptr<TPNGObject> PaletteImage() {
  Samples s = MakeSamples(5, 4, 8, 3, 2);
  for (auto& v : s.values) v %= 3;
  FileOptions o;
  o.plte = {10, 20, 30, 40, 50, 60, 70, 80, 90};
  o.extra = {Chunk("gAMA", Be32(50000)), Chunk("zTXt", Cat({Text("k"), {0, 0}, Deflate(Text("v"))}))};
  auto png = Load(EncodePng(s, o));
  png->Chunks().Add<TChunktRNS>();
  return png;
}

TEST(AssignPNG, CopiesSettingsChunksAndPixels) {
  auto source = PaletteImage();
  source->CompressionLevel = 3;
  source->Filters = FilterBit(pfUp) | FilterBit(pfPaeth);
  source->SetMaxIdatSize(80000);
  TChunktRNS* trns = source->Chunks().ItemFromClass<TChunktRNS>();
  trns->PaletteValues[1] = 0;
  trns->BitTransparency = true;

  TPNGObject copy;
  copy.Assign(*source);
  EXPECT_EQ(copy.CompressionLevel, 3);
  EXPECT_EQ(copy.Filters, source->Filters);
  EXPECT_EQ(copy.MaxIdatSize(), 80000u);
  ASSERT_EQ(copy.Chunks().Count(), source->Chunks().Count());
  for (std::size_t i = 0; i < copy.Chunks().Count(); ++i) {
    EXPECT_EQ(copy.Chunks().Item(i)->ClassType(), source->Chunks().Item(i)->ClassType());
    EXPECT_EQ(copy.Chunks().Item(i)->GetChunkName(), source->Chunks().Item(i)->GetChunkName());
  }
  EXPECT_EQ(copy.Chunks().ItemFromClass<TChunkgAMA>()->GetValue(), 50000u);
  EXPECT_EQ(copy.Chunks().ItemFromClass<TChunkPLTE>()->Count(), 3u);
  EXPECT_TRUE(copy.Chunks().ItemFromClass<TChunktRNS>()->BitTransparency);
  EXPECT_EQ(copy.Chunks().ItemFromClass<TChunktRNS>()->PaletteValues[1], 0);
  EXPECT_EQ(copy.Chunks().ItemFromClass<TChunkzTXt>()->Text, "v");
  for (std::uint32_t y = 0; y < 4; ++y)
    for (std::uint32_t x = 0; x < 5; ++x) ASSERT_EQ(ShownPixel(copy, x, y), ShownPixel(*source, x, y));
  // The copy's gamma tables are the identity: its pixels already carry the correction.
  EXPECT_TRUE(copy.GammaIsIdentity());
  EXPECT_FALSE(source->GammaIsIdentity());
}

TEST(AssignPNG, CopyHasItsOwnPixelsAndAlpha) {
  const Samples s = MakeSamples(4, 3, 8, 6, 8);
  const auto source = Load(EncodePng(s, {}));
  TPNGObject copy;
  source->AssignTo(copy);
  copy.GetScanline(1)[0] ^= 0xFF;
  copy.GetAlphaScanline(2)[3] ^= 0xFF;
  copy.GetHeader().BitmapInfo.bmiColors[0].rgbRed = 9;
  EXPECT_NE(copy.GetScanline(1)[0], source->GetScanline(1)[0]);
  EXPECT_NE(copy.GetAlphaScanline(2)[3], source->GetAlphaScanline(2)[3]);
  EXPECT_NE(copy.GetHeader().BitmapInfo.bmiColors[0].rgbRed,
            source->GetHeader().BitmapInfo.bmiColors[0].rgbRed);
}

TEST(AssignPNG, IncompatibleChunksAreRefused) {
  TPNGObject owner;
  TChunkIHDR header(owner);
  TChunkPLTE palette(owner);
  TChunkgAMA gama(owner);
  TChunktEXt text(owner);
  for (TChunk* target : std::initializer_list<TChunk*>{&header, &palette, &gama}) {
    try {
      target->Assign(text);
      ADD_FAILURE() << target->GetChunkName();
    } catch (const EPngError& e) {
      EXPECT_EQ(e.Message(), EPNGCannotAssignChunkText);
    }
  }
}

TEST(AssignPNG, CopyOfAnEmptyObjectIsEmpty) {
  TPNGObject empty, copy;
  copy.Assign(*PaletteImage());
  copy.Assign(empty);
  EXPECT_TRUE(copy.GetEmpty());
}

}  // namespace
