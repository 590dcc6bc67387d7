// JPEG through libjpeg: files byte for byte what the library's own cjpeg writes for the same
// pixels, decoding as djpeg does, grayscale through the quantizer, empty pictures, and files
// that break off or lie.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "imaging/jpegimage.h"
#include "imaging/stream.h"
#include "tests/common/workfolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Smooth colours with some detail, so every part of the encoder has work.
std::uint8_t Sample(int x, int y, int c) {
  return static_cast<std::uint8_t>((x * (7 + c * 3) + y * (5 - c) * 2 + (x * y) % (13 + c)) & 0xFF);
}

TBitmap Picture(int w, int h, int bits) {
  TBitmap b(w, h, bits);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = b.ScanLine(y) + x * (bits / 8);
      p[0] = Sample(x, y, 2);  // blue
      p[1] = Sample(x, y, 1);
      p[2] = Sample(x, y, 0);
    }
  return b;
}

Bytes Save(const TJPEGImage& jpeg) {
  TMemoryStream out;
  jpeg.SaveToStream(out);
  return out.Bytes();
}

TJPEGImage Load(const Bytes& bytes) {
  TMemoryStream in(bytes);
  TJPEGImage jpeg;
  jpeg.LoadFromStream(in);
  return jpeg;
}

#ifndef _WIN32
Bytes ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::filesystem::path& p, const Bytes& bytes) {
  std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// The pixels of `b` as a binary PPM, red, green, blue.
void WritePpm(const std::filesystem::path& p, const TBitmap& b) {
  const std::vector<std::uint8_t> bgr = b.BottomUpPixels(24);
  const std::size_t stride = DibRowBytes(static_cast<std::uint32_t>(b.GetWidth()), 24);
  std::ofstream out(p, std::ios::binary);
  out << "P6\n" << b.GetWidth() << " " << b.GetHeight() << "\n255\n";
  for (int y = 0; y < b.GetHeight(); ++y) {
    const std::uint8_t* row = bgr.data() + stride * static_cast<std::size_t>(b.GetHeight() - 1 - y);
    for (int x = 0; x < b.GetWidth(); ++x)
      out.put(static_cast<char>(row[3 * x + 2]))
          .put(static_cast<char>(row[3 * x + 1]))
          .put(static_cast<char>(row[3 * x]));
  }
}

Bytes RunTool(const std::string& command, const std::filesystem::path& output) {
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return ReadFile(output);
}

TEST(Jpeg, FilesAreWhatTheLibrarysOwnEncoderWrites) {
  ScopedWorkFolder work;
  struct Case {
    int w, h, bits;
  };
  for (const Case& c : {Case{37, 23, 32}, Case{16, 16, 24}, Case{1, 1, 32}, Case{300, 7, 24}}) {
    const TBitmap picture = Picture(c.w, c.h, c.bits);
    WritePpm("in.ppm", picture);
    const Bytes expected =
        RunTool("cjpeg -quality 90 -dct float -baseline -outfile ref.jpg in.ppm", "ref.jpg");
    TJPEGImage jpeg;
    jpeg.Assign(picture);
    EXPECT_EQ(Save(jpeg), expected) << c.w << "x" << c.h << " at " << c.bits;
  }
}

TEST(Jpeg, PaletteBitmapsAreSavedByTheirColours) {
  ScopedWorkFolder work;
  TBitmap picture(10, 5, 4);
  for (int i = 0; i < 16; ++i)
    picture.Colors[static_cast<std::size_t>(i)] =
        TRGBQuad{static_cast<std::uint8_t>(i * 16), 40, static_cast<std::uint8_t>(255 - i * 9), 0};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; x += 2)
      picture.ScanLine(y)[x / 2] = static_cast<std::uint8_t>(((x + y) % 16) << 4 | ((x * y) % 16));
  WritePpm("in.ppm", picture);
  const Bytes expected =
      RunTool("cjpeg -quality 90 -dct float -baseline -outfile ref.jpg in.ppm", "ref.jpg");
  TJPEGImage jpeg;
  jpeg.Assign(picture);
  EXPECT_EQ(Save(jpeg), expected);
}

TEST(Jpeg, DecodesAsDjpegDoes) {
  ScopedWorkFolder work;
  TJPEGImage jpeg;
  jpeg.Assign(Picture(41, 19, 32));
  WriteFile("a.jpg", Save(jpeg));
  const Bytes ppm = RunTool("djpeg -dct float -ppm -outfile a.ppm a.jpg", "a.ppm");
  const TJPEGImage loaded = Load(ReadFile("a.jpg"));
  const TBitmap& decoded = loaded.Bitmap();
  ASSERT_EQ(decoded.BitsPerPixel(), 24);
  ASSERT_EQ(decoded.GetWidth(), 41);
  const std::size_t header = ppm.size() - 41 * 19 * 3;
  int differences = 0;
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 41; ++x)
      for (int c = 0; c < 3; ++c)
        differences +=
            decoded.ScanLine(y)[3 * x + 2 - c] != ppm[header + (std::size_t(y) * 41 + x) * 3 + c];
  EXPECT_EQ(differences, 0);
}

TEST(Jpeg, GrayscaleFilesDecodeToAtMost236GreyLevels) {
  ScopedWorkFolder work;
  WritePpm("in.ppm", Picture(64, 64, 24));
  const Bytes gray = RunTool("cjpeg -grayscale -quality 90 -outfile g.jpg in.ppm", "g.jpg");
  const TJPEGImage jpeg = Load(gray);
  EXPECT_TRUE(jpeg.Grayscale());
  const TBitmap& b = jpeg.Bitmap();
  EXPECT_EQ(b.BitsPerPixel(), 8);
  ASSERT_LE(b.Colors.size(), 236u);
  ASSERT_GE(b.Colors.size(), 2u);
  for (const TRGBQuad& c : b.Colors) {
    EXPECT_EQ(c.rgbRed, c.rgbGreen);
    EXPECT_EQ(c.rgbRed, c.rgbBlue);
  }
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) ASSERT_LT(b.ScanLine(y)[x], b.Colors.size());
}
#endif

TEST(Jpeg, EightBitDisplaysGetAQuantizedPicture) {
  TJPEGImage source;
  source.Assign(Picture(50, 30, 32));
  TJPEGImage jpeg = Load(Save(source));
  jpeg.PixelFormat = TJPEGPixelFormat::jf8Bit;
  const TBitmap& b = jpeg.Bitmap();
  EXPECT_EQ(b.BitsPerPixel(), 8);
  EXPECT_LE(b.Colors.size(), 236u);
  EXPECT_GT(b.Colors.size(), 16u);
}

TEST(Jpeg, EmptyPicturesAndEmptyFiles) {
  TJPEGImage empty;
  empty.Assign(TBitmap(0, 10, 32));
  EXPECT_TRUE(Save(empty).empty());
  const TJPEGImage loaded = Load({});
  EXPECT_TRUE(loaded.GetEmpty());
  EXPECT_EQ(loaded.GetWidth(), 0);
  EXPECT_EQ(loaded.GetHeight(), 0);
  EXPECT_TRUE(loaded.Bitmap().GetEmpty());
}

TEST(Jpeg, TheHeaderIsReadAtLoadAndThePixelsOnFirstNeed) {
  TJPEGImage source;
  source.Assign(Picture(64, 48, 32));
  Bytes file = Save(source);
  // The scan breaks off half-way: the header still reads, the pixels do not.
  file.resize(file.size() / 2);
  const TJPEGImage jpeg = Load(file);
  EXPECT_EQ(jpeg.GetWidth(), 64);
  EXPECT_EQ(jpeg.GetHeight(), 48);
  EXPECT_FALSE(jpeg.Grayscale());
  EXPECT_FALSE(jpeg.ProgressiveEncoding());
  try {
    jpeg.Bitmap();
    FAIL() << "a picture that breaks off decoded";
  } catch (const EJPEG& e) {
    EXPECT_EQ(std::string(e.what()), "JPEG エラー #" + std::to_string(e.Code()));
  }
}

TEST(Jpeg, HugeDimensionsAreRefusedBeforeAnythingIsAllocated) {
  TJPEGImage source;
  source.Assign(Picture(8, 8, 24));
  Bytes file = Save(source);
  // The frame header (SOF0): length, precision, then height and width.
  std::size_t sof = 0;
  for (std::size_t i = 0; i + 1 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) sof = i;
  ASSERT_NE(sof, 0u);
  file[sof + 5] = 0xFD, file[sof + 6] = 0xE8;  // 65000 rows
  file[sof + 7] = 0xFD, file[sof + 8] = 0xE8;  // 65000 columns
  const TJPEGImage jpeg = Load(file);
  EXPECT_EQ(jpeg.GetWidth(), 65000);
  EXPECT_THROW(jpeg.Bitmap(), EOutOfMemory);
}

TEST(Jpeg, FilesThatAreNotJpegAreRefusedWithTheLibrarysCode) {
  const Bytes cases[] = {
      {0x00, 0x01, 0x02},        // no start of image
      {0xFF, 0xD8, 0xFF, 0xD9},  // start and end, nothing between
      {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x11, 8, 0xFF, 0xFF, 0xFF, 0xFF, 3},  // a frame that stops
  };
  for (const Bytes& bytes : cases) {
    TMemoryStream in(bytes);
    TJPEGImage jpeg;
    EXPECT_THROW(jpeg.LoadFromStream(in), EJPEG);
  }
}

}  // namespace
