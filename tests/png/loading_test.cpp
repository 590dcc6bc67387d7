// The loading loop: the order of its checks and errors, CRC checks per chunk kind, chunks it
// skips, keeps or refuses, and the saving loop.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>

#include "imaging/stream.h"
#include "png/chunk.h"
#include "png/chunkgama.h"
#include "png/chunkidat.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunktext.h"
#include "png/chunktime.h"
#include "png/chunktrns.h"
#include "png/crc.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"
#include "tests/png/pngfixture.h"

using namespace fixture;
using namespace std::literals;

namespace {

Bytes OneGrayPixelData() { return Chunk("IDAT", Deflate({0, 0x80})); }
Bytes GrayHeader() { return Ihdr(1, 1, 8, 0); }

template <class E>
void ExpectLoadFails(const Bytes& file, const char* text) {
  TPNGObject png;
  TMemoryStream stream(file);
  try {
    png.LoadFromStream(stream);
    FAIL() << "loaded";
  } catch (const E& e) {
    EXPECT_EQ(e.Message(), text);
  }
}

std::vector<std::string> ChunkNames(const TPNGObject& png) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < png.Chunks().Count(); ++i)
    names.push_back(png.Chunks().Item(i)->GetChunkName());
  return names;
}

TEST(Crc, MatchesZlibAndTheStandardCheckValue) {
  const Bytes data = Text("123456789");
  EXPECT_EQ(~update_crc(0xFFFFFFFFu, data.data(), data.size()), 0xCBF43926u);
  Bytes longer(1000);
  for (std::size_t i = 0; i < longer.size(); ++i) longer[i] = static_cast<std::uint8_t>(i * 7);
  EXPECT_EQ(~update_crc(0xFFFFFFFFu, longer.data(), longer.size()),
            crc32(0, longer.data(), static_cast<uInt>(longer.size())));
  // Fed in pieces of every length up to two steps of the 8-byte loop, the register carries on.
  for (std::size_t piece = 1; piece <= 17; ++piece) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t at = 0; at < longer.size(); at += piece)
      crc = update_crc(crc, longer.data() + at, std::min(piece, longer.size() - at));
    EXPECT_EQ(~crc, crc32(0, longer.data(), static_cast<uInt>(longer.size()))) << piece;
  }
  EXPECT_EQ(ByteSwap(0x11223344u), 0x44332211u);
  EXPECT_EQ(ByteSwap16(0x1122), 0x2211);
}

TEST(Loading, ErrorsComeInTheLoopsOrder) {
  // Each file is wrong in one more way than the loop checks before it.
  ExpectLoadFails<EPNGInvalidFileHeader>(Text("\x89PNG\r\n\x1a\x0b"), EPNGInvalidFileHeaderText);
  ExpectLoadFails<EPNGInvalidFileHeader>(Text("\x89PN"), EPNGInvalidFileHeaderText);
  ExpectLoadFails<EPngUnexpectedEnd>(Signature(), EPNGUnexpectedEndText);
  ExpectLoadFails<EPNGIHDRNotFirst>(Png({OneGrayPixelData(), GrayHeader(), Iend()}),
                                    EPNGIHDRNotFirstText);
  ExpectLoadFails<EPngUnexpectedEnd>(Png({GrayHeader(), OneGrayPixelData()}),
                                     EPNGUnexpectedEndText);
  ExpectLoadFails<EPNGNoImageData>(Png({GrayHeader(), Iend()}), EPNGNoImageDataText);
  ExpectLoadFails<EPNGUnknownCriticalChunk>(
      Png({GrayHeader(), Chunk("ABCD", {1}), OneGrayPixelData(), Iend()}),
      EPNGUnknownCriticalChunkText);
}

TEST(Loading, IhdrNotFirstLeavesNoChunks) {
  TPNGObject png;
  TMemoryStream stream(Png({Chunk("tEXt", Text("a\0b"sv)), GrayHeader(), Iend()}));
  EXPECT_THROW(png.LoadFromStream(stream), EPNGIHDRNotFirst);
  EXPECT_TRUE(png.GetEmpty());
}

TEST(Loading, FailedLoadKeepsTheChunksUpToTheFailingOne) {
  TPNGObject png;
  TMemoryStream stream(Png({GrayHeader(), Chunk("tEXt", Text("k\0v"sv)), Chunk("QQQQ", {1}),
                            OneGrayPixelData(), Iend()}));
  EXPECT_THROW(png.LoadFromStream(stream), EPNGUnknownCriticalChunk);
  EXPECT_EQ(ChunkNames(png), (std::vector<std::string>{"IHDR", "tEXt", "QQQQ"}));
}

struct CrcCase {
  const char* name;
  Bytes file;
};

TEST(Loading, WrongCrcOnEveryStoredChunkKindFails) {
  const Bytes data = OneGrayPixelData();
  const Bytes palData = Chunk("IDAT", Deflate({0, 0}));
  const Bytes palHeader = Ihdr(1, 1, 8, 3);
  const CrcCase cases[] = {
      {"IHDR", Png({Chunk("IHDR", Cat({Be32(1), Be32(1), {8, 0, 0, 0, 0}}), true), data, Iend()})},
      {"PLTE", Png({palHeader, Chunk("PLTE", {1, 2, 3}, true), palData, Iend()})},
      {"tRNS",
       Png({palHeader, Chunk("PLTE", {1, 2, 3}), Chunk("tRNS", {0}, true), palData, Iend()})},
      {"gAMA", Png({GrayHeader(), Chunk("gAMA", Be32(45455), true), data, Iend()})},
      {"tEXt", Png({GrayHeader(), Chunk("tEXt", Text("k\0v"sv), true), data, Iend()})},
      {"zTXt", Png({GrayHeader(), Chunk("zTXt", Cat({Text("k"), {0, 0}, Deflate(Text("v"))}), true),
                    data, Iend()})},
      {"tIME", Png({GrayHeader(), Chunk("tIME", {7, 0xE6, 12, 11, 14, 0, 0}, true), data, Iend()})},
      {"generic", Png({GrayHeader(), Chunk("prVt", {1, 2}, true), data, Iend()})},
      {"IDAT", Png({GrayHeader(), Chunk("IDAT", Deflate({0, 0x80}), true), Iend()})},
      {"IEND", Png({GrayHeader(), data, Chunk("IEND", {}, true)})},
  };
  for (const CrcCase& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectLoadFails<EPngInvalidCRC>(c.file, EPngInvalidCRCText);
  }
}

TEST(Loading, CrcOfASecondIdatChunkIsChecked) {
  const Bytes z = Deflate({0, 0x80});
  const Bytes first(z.begin(), z.begin() + 3), rest(z.begin() + 3, z.end());
  ExpectLoadFails<EPngInvalidCRC>(
      Png({GrayHeader(), Chunk("IDAT", first), Chunk("IDAT", rest, true), Iend()}),
      EPngInvalidCRCText);
}

TEST(Loading, ChrmIsSkippedUncheckedAndUnknownAncillaryIsKeptRaw) {
  const auto png = Load(Png({GrayHeader(), Chunk("cHRM", Bytes(32, 1), true),
                             Chunk("prVt", {9, 8, 7}), OneGrayPixelData(), Iend()}));
  EXPECT_EQ(ChunkNames(*png), (std::vector<std::string>{"IHDR", "prVt", "IDAT", "IEND"}));
  const TChunk* generic = png->Chunks().Item(1);
  EXPECT_EQ(generic->ClassType(), &TChunk::ClassInfo);
  ASSERT_EQ(generic->DataSize(), 3u);
  EXPECT_EQ(generic->Data()[2], 7);
}

TEST(Loading, SplitImageDataGivesOneIdatChunk) {
  const Samples s = MakeSamples(6, 6, 8, 2, 1);
  FileOptions o;
  o.idatPiece = 10;
  const auto png = Load(EncodePng(s, o));
  EXPECT_EQ(ChunkNames(*png), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  EXPECT_NE(png->Chunks().ItemFromClass<TChunkIDAT>(), nullptr);
}

TEST(Loading, KnownChunksGetTheirClasses) {
  const Bytes file =
      Png({Ihdr(1, 1, 8, 3), Chunk("gAMA", Be32(45455)), Chunk("PLTE", {1, 2, 3}),
           Chunk("tRNS", {0}), Chunk("tIME", {0x07, 0xE6, 12, 11, 14, 15, 16}),
           Chunk("tEXt", Text("Title\0Memo"sv)), Chunk("IDAT", Deflate({0, 0})), Iend()});
  const auto png = Load(file);
  const TPNGList& list = png->Chunks();
  EXPECT_NE(list.ItemFromClass<TChunkgAMA>(), nullptr);
  EXPECT_EQ(list.ItemFromClass<TChunkPLTE>()->Count(), 1u);
  EXPECT_TRUE(list.ItemFromClass<TChunktRNS>()->BitTransparency);
  const TChunktIME* time = list.ItemFromClass<TChunktIME>();
  EXPECT_EQ(time->Year, 2022);
  EXPECT_EQ(time->Month, 12);
  EXPECT_EQ(time->Second, 16);
  const TChunktEXt* text = list.ItemFromClass<TChunktEXt>();
  EXPECT_EQ(text->Keyword, "Title");
  EXPECT_EQ(text->Text, "Memo");
}

TEST(Loading, ZtxtInflatesAndFailsQuietly) {
  auto load = [](const Bytes& zdata) {
    const auto png = Load(Png({GrayHeader(), Chunk("zTXt", zdata), OneGrayPixelData(), Iend()}));
    return png->Chunks().ItemFromClass<TChunkzTXt>()->Text;
  };
  EXPECT_EQ(load(Cat({Text("Comment"), {0, 0}, Deflate(Text("hello world"))})), "hello world");
  // Unknown method, damaged stream, a stream cut short: no text and no error.
  EXPECT_EQ(load(Cat({Text("Comment"), {0, 1}, Deflate(Text("hello"))})), "");
  EXPECT_EQ(load(Cat({Text("Comment"), {0, 0}, Text("garbage!")})), "");
  Bytes cut = Deflate(Text("hello world, hello world"));
  cut.resize(cut.size() - 4);
  EXPECT_EQ(load(Cat({Text("Comment"), {0, 0}, cut})), "");
}

TEST(Loading, ZtxtThatInflatesWithoutBoundIsDropped) {
  const Bytes bomb = Deflate(Bytes(64u << 20, 'a'), 9);  // 64 MiB of text in a few KiB
  const auto png = Load(Png(
      {GrayHeader(), Chunk("zTXt", Cat({Text("k"), {0, 0}, bomb})), OneGrayPixelData(), Iend()}));
  EXPECT_EQ(png->Chunks().ItemFromClass<TChunkzTXt>()->Text, "");
}

TEST(Saving, WritesSignatureAndEveryChunkAsListed) {
  TPNGObject empty;
  TMemoryStream out;
  empty.SaveToStream(out);
  EXPECT_EQ(out.Bytes(), Signature());

  const Bytes file = Png({GrayHeader(), Chunk("prVt", {1, 2, 3}), Chunk("tEXt", Text("k\0v"sv)),
                          OneGrayPixelData(), Iend()});
  const auto png = Load(file);
  png->Chunks().RemoveChunk(png->Chunks().ItemFromClass<TChunkIDAT>());
  TMemoryStream saved;
  png->SaveToStream(saved);
  EXPECT_EQ(saved.Bytes(),
            Png({GrayHeader(), Chunk("prVt", {1, 2, 3}), Chunk("tEXt", Text("k\0v"sv)), Iend()}));
}

TEST(Saving, ZtxtWritesAOneSpaceTextForAnEmptyOne) {
  const auto png = Load(Png({GrayHeader(), OneGrayPixelData(), Iend()}));
  png->AddzTXt("Note", "");
  TMemoryStream saved;
  png->Chunks().ItemFromClass<TChunkzTXt>()->SaveToStream(saved);
  const auto copy = Load(Png({GrayHeader(), OneGrayPixelData(),
                              Bytes(saved.Bytes().begin(), saved.Bytes().end()), Iend()}));
  EXPECT_EQ(copy->Chunks().ItemFromClass<TChunkzTXt>()->Text, " ");
}

TEST(Object, SettingsAndSize) {
  TPNGObject png;
  EXPECT_TRUE(png.GetEmpty());
  EXPECT_EQ(png.GetWidth(), 0);
  EXPECT_EQ(png.CompressionLevel, 7);
  EXPECT_EQ(png.Filters, FilterBit(pfSub));
  EXPECT_EQ(png.MaxIdatSize(), 65535u);
  png.SetMaxIdatSize(1000);
  EXPECT_EQ(png.MaxIdatSize(), 65535u);
  png.SetMaxIdatSize(100000);
  EXPECT_EQ(png.MaxIdatSize(), 100000u);
  EXPECT_THROW(png.GetHeader(), EPNGHeaderNotPresent);
  try {
    png.SetWidth(5);
    FAIL();
  } catch (const EPngError& e) {
    EXPECT_EQ(e.Message(), EPNGCannotChangeSizeText);
  }
  EXPECT_THROW(png.SetHeight(5), EPngError);
}

TEST(Object, PixelInfoByFormat) {
  struct Case {
    std::uint32_t width;
    std::uint8_t depth, colorType;
    std::uint32_t rowBytes, offset;
  } cases[] = {{10, 1, 0, 2, 1},   {10, 2, 3, 3, 1},  {10, 16, 0, 20, 2}, {10, 8, 2, 30, 3},
               {10, 16, 2, 60, 6}, {10, 8, 4, 20, 2}, {10, 16, 4, 40, 4}, {10, 8, 6, 40, 4},
               {10, 16, 6, 80, 8}, {3, 4, 0, 2, 1}};
  for (const Case& c : cases) {
    const TPixelInfo info = PixelInfoFor(c.width, c.depth, c.colorType);
    EXPECT_EQ(info.rowBytes, c.rowBytes) << int(c.colorType) << "/" << int(c.depth);
    EXPECT_EQ(info.offset, c.offset) << int(c.colorType) << "/" << int(c.depth);
  }
  EXPECT_EQ(TPNGObject().GetPixelInfo().rowBytes, 0u);
}

TEST(Object, ZlibErrorTexts) {
  EXPECT_STREQ(ZLIBErrors(-3), "data error (-3)");
  EXPECT_STREQ(ZLIBErrors(-6), "incompatible version (-6)");
  EXPECT_STREQ(ZLIBErrors(2), "need dictionary (2)");
  EXPECT_STREQ(ZLIBErrors(0), "(0)");
}

}  // namespace
