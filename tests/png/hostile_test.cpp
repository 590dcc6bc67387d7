// Damaged and hostile files: each ends with the codec's error or a bounded result, never a
// crash, a hang or an allocation the file does not justify.
#include <gtest/gtest.h>

#include <zlib.h>

#include "imaging/stream.h"
#include "png/chunkihdr.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"
#include "tests/png/pixels.h"
#include "tests/png/pngfixture.h"

using namespace fixture;

namespace {

Bytes GrayData(std::uint32_t width, std::uint32_t rows) {
  return Deflate(FilteredRows(MakeSamples(width, rows, 8, 0, 1), false, {0}));
}

TEST(Hostile, ChunkLongerThanTheFileIsAnUnexpectedEnd) {
  // A text chunk claiming 4 GiB: refused before any buffer of that size.
  const Bytes file = Cat({Signature(), Ihdr(1, 1, 8, 0), Be32(0xFFFFFFF0u), Text("tEXt"),
                          Text("short")});
  EXPECT_THROW(Load(file), EPngUnexpectedEnd);
  const Bytes header = Cat({Signature(), Be32(0x7FFFFFFFu), Text("IHDR"), Bytes(13, 0)});
  EXPECT_THROW(Load(header), EPngUnexpectedEnd);
}

TEST(Hostile, SkippedChunkLongerThanTheFileEndsTheLoad) {
  const Bytes file = Cat({Signature(), Ihdr(1, 1, 8, 0), Be32(0xFFFFFFFFu), Text("cHRM")});
  EXPECT_THROW(Load(file), EPngUnexpectedEnd);
}

TEST(Hostile, HeaderWhoseBufferCannotBeHeldIsRefusedFirst) {
  // 65535 x 65535 truecolour with alpha would need about 17 GiB.
  const Bytes file = Png({Ihdr(65535, 65535, 8, 6), Chunk("IDAT", Deflate({0})), Iend()});
  try {
    Load(file);
    FAIL();
  } catch (const EPNGOutMemory& e) {
    EXPECT_EQ(e.Message(), EPNGOutMemoryText);
  }
}

TEST(Hostile, HeadersTheFormatDoesNotHaveAreInvalid) {
  struct Case {
    std::uint32_t width, height;
    std::uint8_t depth, colorType;
  } cases[] = {{0, 1, 8, 0}, {1, 0, 8, 0}, {1, 1, 8, 1},  {1, 1, 8, 9}, {1, 1, 0, 2},
               {1, 1, 3, 2}, {1, 1, 99, 2}, {1, 1, 16, 3}, {1, 1, 4, 2}, {1, 1, 4, 6}};
  for (const Case& c : cases) {
    const Bytes file = Png({Ihdr(c.width, c.height, c.depth, c.colorType),
                            Chunk("IDAT", Deflate({0, 0})), Iend()});
    try {
      Load(file);
      ADD_FAILURE() << "loaded " << c.width << "x" << c.height << " " << int(c.depth) << "/"
                    << int(c.colorType);
    } catch (const EPngInvalidIHDR& e) {
      EXPECT_EQ(e.Message(), EPNGInvalidIHDRText);
    }
  }
}

TEST(Hostile, HeaderChecksInOrder) {
  auto ihdr = [](Bytes fields) { return Png({Chunk("IHDR", fields), Iend()}); };
  EXPECT_THROW(Load(ihdr(Bytes(12, 1))), EPngInvalidIHDR);
  EXPECT_THROW(Load(ihdr(Cat({Be32(70000), Be32(1), {8, 0, 1, 0, 9}}))), EPNGSizeExceeds);
  EXPECT_THROW(Load(ihdr(Cat({Be32(1), Be32(1), {8, 0, 1, 0, 9}}))), EPNGUnknownCompression);
  EXPECT_THROW(Load(ihdr(Cat({Be32(1), Be32(1), {8, 0, 0, 0, 2}}))), EPNGUnknownInterlace);
}

TEST(Hostile, StreamEndingBeforeAllRowsIsMissingData) {
  // Two rows declared, one compressed.
  const Bytes file = Png({Ihdr(3, 2, 8, 0), Chunk("IDAT", GrayData(3, 1)), Iend()});
  try {
    Load(file);
    FAIL();
  } catch (const EPNGMissingMultipleIDAT& e) {
    EXPECT_EQ(e.Message(), EPNGMissingMultipleIDATText);
  }
}

TEST(Hostile, GarbageAfterTheStreamInTheSameChunkDoesNotLoop) {
  const Bytes early = Cat({GrayData(3, 1), Bytes(100, 0xAB)});
  EXPECT_THROW(Load(Png({Ihdr(3, 2, 8, 0), Chunk("IDAT", early), Iend()})),
               EPNGMissingMultipleIDAT);
  // After a complete image, trailing bytes are checked by the CRC and otherwise ignored.
  const Bytes complete = Cat({GrayData(3, 2), Bytes(70000, 0xAB)});
  EXPECT_EQ(Load(Png({Ihdr(3, 2, 8, 0), Chunk("IDAT", complete), Iend()}))->GetHeight(), 2);
}

TEST(Hostile, DamagedCompressedDataIsAZlibError) {
  Bytes data = GrayData(30, 30);
  data[0] = 0x79;  // not a deflate stream header
  try {
    Load(Png({Ihdr(30, 30, 8, 0), Chunk("IDAT", data), Iend()}));
    FAIL();
  } catch (const EPNGZLIBError& e) {
    EXPECT_EQ(e.Message(), std::string(EPNGZLIBErrorText) + "data error (-3)");
  }
}

TEST(Hostile, StreamAskingForADictionaryIsAnError) {
  // A zlib header with the preset-dictionary flag: inflate stops and asks for it.
  Bytes data = {0x78, 0xBB, 0, 0, 0, 1, 0x01, 0x02, 0x00, 0xFD, 0xFF, 0, 0};
  try {
    Load(Png({Ihdr(1, 1, 8, 0), Chunk("IDAT", data), Iend()}));
    FAIL();
  } catch (const EPNGZLIBError& e) {
    EXPECT_EQ(e.Message(), std::string(EPNGZLIBErrorText) + "need dictionary (2)");
  }
}

TEST(Hostile, FileEndingInsideTheImageDataIsACrcError) {
  const Bytes full = Png({Ihdr(20, 20, 8, 0), Chunk("IDAT", GrayData(20, 20)), Iend()});
  for (std::size_t cut : {std::size_t{33 + 8 + 5}, full.size() - 30, full.size() - 14}) {
    const Bytes file(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_THROW(Load(file), EPngInvalidCRC) << cut;
  }
}

TEST(Hostile, IdatLengthBeyondTheFileDecodesWhatIsThereThenFailsTheCrc) {
  const Bytes data = GrayData(4, 4);
  const Bytes file = Cat({Signature(), Ihdr(4, 4, 8, 0), Be32(0xFFFFFF00u), Text("IDAT"), data});
  EXPECT_THROW(Load(file), EPngInvalidCRC);
}

TEST(Hostile, DataContinuingIntoAnotherChunkIsMissingData) {
  const Bytes data = GrayData(4, 4);
  const Bytes file = Png({Ihdr(4, 4, 8, 0), Chunk("IDAT", Bytes(data.begin(), data.begin() + 5)),
                          Chunk("tEXt", Text("k")), Chunk("IDAT", Bytes(data.begin() + 5, data.end())),
                          Iend()});
  EXPECT_THROW(Load(file), EPNGMissingMultipleIDAT);
}

}  // namespace
