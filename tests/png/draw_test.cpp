// Drawing the image on a canvas in each transparency mode, with the exact blend, and the
// transparency operations.
#include <gtest/gtest.h>

#include "imaging/canvas.h"
#include "png/chunkplte.h"
#include "png/chunktrns.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"
#include "tests/png/pngfixture.h"

using namespace fixture;

namespace {

constexpr std::uint32_t kRed = 0x0000FF, kMagenta = 0xFF00FF, kWhite = 0xFFFFFF;

std::uint32_t Rgb(int r, int g, int b) {
  return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16;
}

// An RGBA image of one row: colour (s, s, s) at each given alpha.
std::unique_ptr<TPNGObject> GreyRow(int s, const std::vector<int>& alphas) {
  Samples px{static_cast<std::uint32_t>(alphas.size()), 1, 8, 6, {}};
  for (int a : alphas)
    px.values.insert(px.values.end(),
                     {std::uint32_t(s), std::uint32_t(s), std::uint32_t(s), std::uint32_t(a)});
  return Load(EncodePng(px, {}));
}

TEST(Draw, BlendFormulaAtAlpha0And128And255) {
  for (int d = 0; d < 256; ++d) {
    TCanvas canvas(3, 1, Rgb(d, d, d));
    GreyRow(255, {0, 128, 255})->Draw(canvas, TRect{0, 0, 3, 1});
    const int at0 = (255 * d + 255) >> 8;
    const int at128 = (255 * 128 + 127 * d + 255) >> 8;
    ASSERT_EQ(canvas.Pixel(0, 0), Rgb(at0, at0, at0)) << d;
    ASSERT_EQ(at0, d) << d;  // so alpha 0 leaves the canvas as it was
    ASSERT_EQ(canvas.Pixel(1, 0), Rgb(at128, at128, at128)) << d;
    ASSERT_EQ(canvas.Pixel(2, 0), Rgb(255, 255, 255)) << d;
  }
  TCanvas black(1, 1, 0);
  GreyRow(255, {128})->Draw(black, TRect{0, 0, 1, 1});
  EXPECT_EQ(black.Pixel(0, 0), Rgb(128, 128, 128));
}

TEST(Draw, OpaqueImagesStretchAndAlphaImagesKeepTheirSize) {
  const auto opaque = Load(EncodePng(MakeSamples(100, 50, 8, 2, 1), {}));
  TCanvas canvas(120, 60, kWhite);
  opaque->Draw(canvas, TRect{10, 5, 60, 30});
  EXPECT_EQ(canvas.Pixel(10, 5), opaque->GetPixels(0, 0));
  EXPECT_EQ(canvas.Pixel(59, 29), opaque->GetPixels(98, 48));
  EXPECT_EQ(canvas.Pixel(60, 30), kWhite);
  EXPECT_EQ(canvas.Pixel(9, 5), kWhite);

  Samples alpha = MakeSamples(100, 50, 8, 6, 2);
  for (std::size_t i = 3; i < alpha.values.size(); i += 4) alpha.values[i] = 255;
  const auto withAlpha = Load(EncodePng(alpha, {}));
  TCanvas other(120, 60, kWhite);
  withAlpha->Draw(other, TRect{10, 5, 60, 30});
  EXPECT_EQ(other.Pixel(10 + 99, 5 + 49), withAlpha->GetPixels(99, 49));
  EXPECT_EQ(other.Pixel(10 + 60, 5 + 30), withAlpha->GetPixels(60, 30));
  EXPECT_EQ(other.Pixel(110, 55), kWhite);
}

TEST(Draw, ColourKeyShowsTheCanvasWhereThePixelsAreTheKey) {
  Samples px{3, 1, 8, 2, {255, 0, 255, 0, 255, 0, 255, 0, 255}};
  const Bytes trns = Chunk("tRNS", {0, 255, 0, 0, 0, 255});
  FileOptions o;
  o.extra = {trns};
  const auto png = Load(EncodePng(px, o));
  EXPECT_EQ(png->GetTransparencyMode(), TPNGTransparencyMode::ptmBit);
  EXPECT_EQ(png->GetTransparentColor(), kMagenta);
  TCanvas canvas(6, 2, kRed);
  png->Draw(canvas, TRect{0, 0, 6, 2});  // stretched to twice its size
  const std::uint32_t row[6] = {kRed, kRed, Rgb(0, 255, 0), Rgb(0, 255, 0), kRed, kRed};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.Pixel(x, y), row[x]) << x << "," << y;
}

TEST(Draw, TransparentColourOfEachColourType) {
  FileOptions grey;
  grey.extra = {Chunk("tRNS", {0x00, 0xC8})};
  EXPECT_EQ(Load(EncodePng(Samples{1, 1, 8, 0, {3}}, grey))->GetTransparentColor(),
            Rgb(200, 200, 200));

  FileOptions keyed;
  keyed.plte = {10, 20, 30, 40, 50, 60};
  keyed.extra = {Chunk("tRNS", {255, 0})};
  const auto bit = Load(EncodePng(Samples{2, 1, 8, 3, {0, 1}}, keyed));
  EXPECT_EQ(bit->GetTransparencyMode(), TPNGTransparencyMode::ptmBit);
  EXPECT_EQ(bit->GetTransparentColor(), Rgb(40, 50, 60));

  keyed.extra = {Chunk("tRNS", {255, 128})};
  const auto partial = Load(EncodePng(Samples{2, 1, 8, 3, {0, 1}}, keyed));
  EXPECT_EQ(partial->GetTransparencyMode(), TPNGTransparencyMode::ptmPartial);
  TCanvas canvas(2, 1, 0);
  partial->Draw(canvas, TRect{0, 0, 2, 1});
  EXPECT_EQ(canvas.Pixel(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(canvas.Pixel(1, 0),
            Rgb((40 * 128 + 255) >> 8, (50 * 128 + 255) >> 8, (60 * 128 + 255) >> 8));

  EXPECT_EQ(Load(EncodePng(Samples{1, 1, 8, 2, {1, 2, 3}}, {}))->GetTransparencyMode(),
            TPNGTransparencyMode::ptmNone);
}

TEST(Draw, OneBitPaletteBlendsExactlyItsWidth) {
  FileOptions o;
  o.plte = {255, 255, 255, 0, 0, 255};
  o.extra = {Chunk("tRNS", {128, 255})};
  Samples px{10, 2, 1, 3, {}};
  for (int i = 0; i < 20; ++i) px.values.push_back(i % 2);
  const auto png = Load(EncodePng(px, o));
  TCanvas canvas(16, 4, kRed);
  png->Draw(canvas, TRect{3, 1, 5, 2});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 3 && x < 13 && y >= 1 && y < 3;
      const std::uint32_t expected = !inside ? kRed
                                     : (x - 3) % 2
                                         ? Rgb(0, 0, 255)
                                         : Rgb(255, (255 * 128 + 255) >> 8, (255 * 128 + 255) >> 8);
      EXPECT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
    }
}

TEST(Draw, ImagesPartlyOffTheCanvasAreCut) {
  const auto png = GreyRow(0, {255, 255, 255, 255});  // black, opaque
  for (const TRect& at : {TRect{-2, 0, 2, 1}, TRect{1, 0, 5, 1}}) {
    TCanvas canvas(3, 2, kWhite);
    png->Draw(canvas, at);
    for (int x = 0; x < 3; ++x) {
      const bool covered = x >= at.left && x < at.left + 4;
      EXPECT_EQ(canvas.Pixel(x, 0), covered ? 0u : kWhite) << at.left << ": " << x;
      EXPECT_EQ(canvas.Pixel(x, 1), kWhite) << at.left << ": " << x;
    }
  }
}

TEST(Draw, IndexPastThePaletteIsAnError) {
  FileOptions o;
  o.plte = {1, 2, 3};
  o.extra = {Chunk("tRNS", {128})};
  const auto png = Load(EncodePng(Samples{2, 1, 8, 3, {0, 5}}, o));
  TCanvas canvas(2, 1, kRed);
  try {
    png->Draw(canvas, TRect{0, 0, 2, 1});
    FAIL() << "drew an index past the palette";
  } catch (const EPngError& e) {
    EXPECT_STREQ(e.what(), EPNGUnknownPalEntryText);
  }
  EXPECT_EQ(canvas.Pixel(0, 0), kRed);  // nothing was drawn
}

TEST(Draw, ClipboardBitmapIsWhiteWhereTransparent) {
  const auto png = GreyRow(0, {0, 255, 128});
  const TBitmap b = png->SaveToClipboardFormat();
  EXPECT_EQ(b.GetWidth(), 3);
  EXPECT_EQ(BitmapPixel(b, 0, 0), kWhite);
  EXPECT_EQ(BitmapPixel(b, 1, 0), 0u);
  const int half = (127 * 255 + 255) >> 8;
  EXPECT_EQ(BitmapPixel(b, 2, 0), Rgb(half, half, half));
}

TEST(Transparency, SetRemoveAndCreate) {
  const auto rgba = GreyRow(9, {1});
  try {
    rgba->SetTransparentColor(kMagenta);
    FAIL() << "an alpha image took a transparent colour";
  } catch (const EPNGCannotChangeTransparent& e) {
    EXPECT_STREQ(e.what(), EPNGCannotChangeTransparentText);
  }
  FileOptions o;
  o.plte = {1, 2, 3, 4, 5, 6};
  const auto palette = Load(EncodePng(Samples{2, 1, 8, 3, {0, 1}}, o));
  palette->SetTransparentColor(Rgb(4, 5, 6));
  const auto& chunks = palette->Chunks();
  ASSERT_GE(chunks.Count(), 3u);
  EXPECT_NE(dynamic_cast<TChunkPLTE*>(chunks.Item(1)), nullptr);
  EXPECT_NE(dynamic_cast<TChunktRNS*>(chunks.Item(2)), nullptr);  // right after PLTE
  EXPECT_EQ(palette->GetTransparencyMode(), TPNGTransparencyMode::ptmBit);
  palette->RemoveTransparency();
  EXPECT_EQ(palette->GetTransparencyMode(), TPNGTransparencyMode::ptmNone);
  palette->CreateAlpha();
  EXPECT_EQ(palette->GetTransparencyMode(), TPNGTransparencyMode::ptmPartial);
  EXPECT_EQ(palette->GetPalette().size(), 256u);

  const auto rgb = Load(EncodePng(Samples{1, 1, 8, 2, {7, 8, 9}}, {}));
  rgb->CreateAlpha();
  EXPECT_EQ(rgb->GetTransparencyMode(), TPNGTransparencyMode::ptmPartial);
  EXPECT_TRUE(rgb->GetPalette().empty());
  TCanvas canvas(1, 1, kRed);
  rgb->Draw(canvas, TRect{0, 0, 1, 1});
  EXPECT_EQ(canvas.Pixel(0, 0), Rgb(7, 8, 9));  // opaque everywhere

  // A 2-bit grey image becomes 8-bit grey with alpha, its levels spread over 0..255.
  const auto grey = Load(EncodePng(Samples{4, 1, 2, 0, {0, 1, 2, 3}}, {}));
  grey->CreateAlpha();
  TCanvas g(4, 1, kRed);
  grey->Draw(g, TRect{0, 0, 4, 1});
  EXPECT_EQ(g.Pixel(1, 0), Rgb(85, 85, 85));
  EXPECT_EQ(g.Pixel(3, 0), kWhite);
}

TEST(Transparency, WithoutAHeader) {
  TPNGObject empty;
  TCanvas canvas(1, 1, kRed);
  empty.Draw(canvas, TRect{0, 0, 1, 1});
  EXPECT_EQ(canvas.Pixel(0, 0), kRed);
  EXPECT_EQ(empty.GetTransparentColor(), 0u);
  EXPECT_THROW(empty.GetTransparencyMode(), EPNGHeaderNotPresent);
  EXPECT_THROW(empty.CreateAlpha(), EPNGHeaderNotPresent);
  EXPECT_THROW(empty.GetPalette(), EPNGHeaderNotPresent);
  empty.SetTransparentColor(kRed);  // nothing happens
}

TEST(Transparency, BitmapOfAColourKeyImageIsMarkedTransparent) {
  FileOptions o;
  o.extra = {Chunk("tRNS", {0, 255, 0, 0, 0, 255})};
  const auto png = Load(EncodePng(Samples{2, 1, 8, 2, {255, 0, 255, 1, 2, 3}}, o));
  TBitmap b;
  png->AssignTo(b);
  EXPECT_EQ(b.BitsPerPixel(), 24);
  EXPECT_TRUE(b.Transparent);
  EXPECT_EQ(b.TransparentColor, kMagenta);
  EXPECT_EQ(BitmapPixel(b, 1, 0), Rgb(1, 2, 3));
}

}  // namespace
