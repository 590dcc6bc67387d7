// BMP files: the layout the program writes (header, masks, colour table, pixels) checked byte
// by byte and by another program, and the reader on every variant it knows and on files that
// lie about themselves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "imaging/bitmap.h"
#include "imaging/bmpfile.h"
#include "imaging/exception.h"
#include "imaging/stream.h"
#include "tests/common/workfolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}
std::uint32_t U16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

Bytes Write(const TBitmap& b) {
  TMemoryStream out;
  WriteBmp(b, out);
  return out.Bytes();
}

TBitmap Read(const Bytes& bytes) {
  TMemoryStream in(bytes);
  TBitmap b;
  ReadBmp(b, in);
  return b;
}

void Put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A file built field by field: the file header, a 40-byte info header, then `rest`.
Bytes File(int width, int height, int bits, std::uint32_t compression, std::uint32_t used,
           const Bytes& rest, std::uint32_t offset = 0) {
  Bytes f = {'B', 'M'};
  Put32(f, 54 + static_cast<std::uint32_t>(rest.size()));
  Put32(f, 0);
  Put32(f, offset);
  Put32(f, 40);
  Put32(f, static_cast<std::uint32_t>(width));
  Put32(f, static_cast<std::uint32_t>(height));
  Put16(f, 1);
  Put16(f, static_cast<std::uint32_t>(bits));
  Put32(f, compression);
  for (int i = 0; i < 3; ++i) Put32(f, 0);
  Put32(f, used);
  Put32(f, 0);
  f.insert(f.end(), rest.begin(), rest.end());
  return f;
}

TEST(BmpLayout, ThirtyTwoBitClipboardPicture) {
  TBitmap b(5, 3, 32);
  b.ScanLine(0)[0] = 0x11;          // top-left blue
  b.ScanLine(2)[4 * 4 + 2] = 0x22;  // bottom-right red
  const Bytes f = Write(b);
  EXPECT_EQ(f.size(), 54u + 4 * 5 * 3);
  EXPECT_EQ(U32(f, 2), f.size());
  EXPECT_EQ(U32(f, 10), 54u);
  EXPECT_EQ(U32(f, 14), 40u);
  EXPECT_EQ(U32(f, 18), 5u);
  EXPECT_EQ(U32(f, 22), 3u);
  EXPECT_EQ(U16(f, 26), 1u);
  EXPECT_EQ(U16(f, 28), 32u);
  EXPECT_EQ(U32(f, 30), 0u);  // BI_RGB
  EXPECT_EQ(U32(f, 34), 60u);
  EXPECT_EQ(U32(f, 46), 0u);           // no colour table
  EXPECT_EQ(f[54 + 4 * 4 + 2], 0x22);  // the bottom row comes first
  EXPECT_EQ(f[54 + 2 * 20], 0x11);
}

TEST(BmpLayout, HighColourPictureKeepsItsPaletteAsColourTable) {
  TBitmap b(2, 2, 24);
  b.Palette = {TRGBQuad{1, 2, 3, 0}, TRGBQuad{4, 5, 6, 0}, TRGBQuad{7, 8, 9, 0}};
  const Bytes f = Write(b);
  EXPECT_EQ(U32(f, 10), 54u + 12);
  EXPECT_EQ(U32(f, 46), 3u);
  EXPECT_EQ(U32(f, 2), 54u + 12 + 8 * 2);
  EXPECT_EQ(Bytes(f.begin() + 54, f.begin() + 66), (Bytes{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0}));
  EXPECT_EQ(Read(f).Palette.size(), 3u);
}

TEST(BmpLayout, PaletteDepthsWriteTheirTables) {
  struct Case {
    int bits;
    std::size_t entries;
  };
  for (const Case& c : {Case{1, 2}, Case{4, 16}, Case{8, 256}, Case{8, 20}}) {
    TBitmap b(7, 2, c.bits);
    b.Colors.resize(c.entries);
    b.Colors.back() = TRGBQuad{9, 8, 7, 0};
    const Bytes f = Write(b);
    EXPECT_EQ(U32(f, 46), c.entries) << c.bits;
    EXPECT_EQ(U32(f, 10), 54 + 4 * c.entries) << c.bits;
    EXPECT_EQ(f[54 + 4 * (c.entries - 1)], 9) << c.bits;
    EXPECT_EQ(U32(f, 34), b.RowBytes() * 2) << c.bits;
    const TBitmap back = Read(f);
    EXPECT_EQ(back.Colors.size(), c.entries) << c.bits;
    EXPECT_EQ(back.Bits, b.Bits) << c.bits;
  }
}

TEST(BmpLayout, BitfieldMasksFollowTheHeader) {
  TBitmap b(3, 1, 16);
  b.Masks[0] = 0xF800, b.Masks[1] = 0x07E0, b.Masks[2] = 0x001F;
  const Bytes f = Write(b);
  EXPECT_EQ(U32(f, 30), 3u);
  EXPECT_EQ(U32(f, 54), 0xF800u);
  EXPECT_EQ(U32(f, 62), 0x001Fu);
  EXPECT_EQ(U32(f, 10), 66u);
  const TBitmap back = Read(f);
  EXPECT_EQ(back.Masks[1], 0x07E0u);
}

#ifndef _WIN32
// Another program opens what we write: Python's PIL, from Debian's packages.
TEST(BmpLayout, OtherProgramsOpenTheFiles) {
  ScopedWorkFolder work;
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    TBitmap b(13, 9, bits);
    TMemoryStream out;
    WriteBmp(b, out);
    std::ofstream("p.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(out.Bytes().data()),
               static_cast<std::streamsize>(out.Bytes().size()));
    const std::string check =
        "/usr/bin/python3 -c \"from PIL import Image; im = Image.open('p.bmp'); im.load(); "
        "assert im.size == (13, 9), im.size\"";
    EXPECT_EQ(std::system(check.c_str()), 0) << bits;
  }
}
#endif

TEST(BmpReader, Os2HeaderWithThreeByteColours) {
  Bytes f = {'B', 'M'};
  Put32(f, 0);
  Put32(f, 0);
  Put32(f, 14 + 12 + 6);
  Put32(f, 12);
  Put16(f, 2);
  Put16(f, 1);
  Put16(f, 1);
  Put16(f, 1);
  f.insert(f.end(), {10, 20, 30, 40, 50, 60});  // two entries: blue, green, red
  f.insert(f.end(), {0x40, 0, 0, 0});           // one row: pixel 0 index 0, pixel 1 index 1
  const TBitmap b = Read(f);
  EXPECT_EQ(b.GetWidth(), 2);
  EXPECT_EQ(b.BitsPerPixel(), 1);
  EXPECT_EQ(b.Colors[1].rgbRed, 60);
  EXPECT_EQ(b.ScanLine(0)[0], 0x40);
}

TEST(BmpReader, RunLengthEightAndFourBits) {
  // 8 bits, 6 x 2: row 0 (bottom) = a run of 3 x 7 and the literal {1, 2, 4} padded to a
  // word; row 1 = a move 2 right, then a run of 2 x 9.
  const Bytes rle8 = {3, 7, 0, 3, 1, 2, 4, 0, 0, 0, 0, 2, 2, 0, 2, 9, 0, 1};
  Bytes table(256 * 4, 0);
  Bytes rest = table;
  rest.insert(rest.end(), rle8.begin(), rle8.end());
  const TBitmap b8 = Read(File(6, 2, 8, 1, 0, rest, 54 + 1024));
  EXPECT_EQ(Bytes(b8.ScanLine(1), b8.ScanLine(1) + 6), (Bytes{7, 7, 7, 1, 2, 4}));
  EXPECT_EQ(Bytes(b8.ScanLine(0), b8.ScanLine(0) + 6), (Bytes{0, 0, 9, 9, 0, 0}));
  // 4 bits, 6 x 1: a run of 5 alternating 1 and 2, then a literal of 3 pixels (3, 0, 0) of
  // which two fall past the row's end, then a run wholly past it: both are cut.
  const Bytes rle4 = {5, 0x12, 0, 3, 0x30, 0, 9, 0x44, 0, 1};
  Bytes rest4(16 * 4, 0);
  rest4.insert(rest4.end(), rle4.begin(), rle4.end());
  const TBitmap b4 = Read(File(6, 1, 4, 2, 0, rest4, 54 + 64));
  EXPECT_EQ(Bytes(b4.ScanLine(0), b4.ScanLine(0) + 3), (Bytes{0x12, 0x12, 0x13}));
}

TEST(BmpReader, HostileFilesAreRefusedWithTheBitmapText) {
  const Bytes table2(8, 0);
  Bytes bitfieldsOverlap;
  for (std::uint32_t m : {0xF800u, 0x0FE0u, 0x001Fu}) Put32(bitfieldsOverlap, m);
  bitfieldsOverlap.insert(bitfieldsOverlap.end(), 8, 0);
  Bytes bitfieldsZero;
  for (std::uint32_t m : {0xF800u, 0u, 0x001Fu}) Put32(bitfieldsZero, m);
  bitfieldsZero.insert(bitfieldsZero.end(), 8, 0);
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"not BM", Bytes{'B', 'N', 0, 0}},
      {"cut in the header",
       [] {
         Bytes f = File(1, 1, 24, 0, 0, Bytes(4, 0));
         f.resize(30);
         return f;
       }()},
      {"negative width", File(-4, 1, 24, 0, 0, Bytes(16, 0))},
      {"zero height", File(4, 0, 24, 0, 0, {})},
      {"huge", File(70000, 70000, 32, 0, 0, {})},
      {"unknown depth", File(1, 1, 7, 0, 0, Bytes(4, 0))},
      {"colour table past the end", File(1, 1, 8, 0, 200, Bytes(16, 0))},
      {"pixels cut short", File(8, 8, 24, 0, 0, Bytes(40, 0))},
      {"masks overlapping", File(2, 1, 16, 3, 0, bitfieldsOverlap)},
      {"a mask of zero", File(2, 1, 16, 3, 0, bitfieldsZero)},
      {"RLE with the wrong depth", File(2, 1, 24, 1, 0, Bytes(8, 0))},
      {"RLE that never ends", File(4, 4, 8, 1, 2,
                                   [&] {
                                     Bytes r = table2;
                                     r.insert(r.end(), {2, 1, 2, 1});
                                     return r;
                                   }())},
      {"RLE literal past the data", File(4, 1, 8, 1, 2,
                                         [&] {
                                           Bytes r = table2;
                                           r.insert(r.end(), {0, 200, 1});
                                           return r;
                                         }())},
      {"RLE rows top-down", File(4, -1, 8, 1, 2,
                                 [&] {
                                   Bytes r = table2;
                                   r.insert(r.end(), {0, 1});
                                   return r;
                                 }())},
  };
  for (const auto& c : cases) {
    try {
      Read(c.file);
      ADD_FAILURE() << c.name << " was read";
    } catch (const EInvalidGraphic& e) {
      EXPECT_STREQ(e.what(), "ビットマップイメージが不正です") << c.name;
    }
  }
}

TEST(BmpReader, RunsThatLeaveThePictureEndIt) {
  // A move far past the top ends the picture; what came before stays.
  Bytes rest(2 * 4, 0);
  rest.insert(rest.end(), {2, 5, 0, 2, 0, 200, 3, 9});
  const TBitmap b = Read(File(3, 2, 8, 1, 2, rest, 54 + 8));
  EXPECT_EQ(Bytes(b.ScanLine(1), b.ScanLine(1) + 3), (Bytes{5, 5, 0}));
  EXPECT_EQ(Bytes(b.ScanLine(0), b.ScanLine(0) + 3), (Bytes{0, 0, 0}));
}

}  // namespace
