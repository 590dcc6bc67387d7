// Picture benchmark: JPEG encode and decode through the program's JPEG class against libjpeg
// called directly with the same settings, and BMP write and read against a plain copy of the
// same bytes. Not a test: it asserts nothing and only reports medians and ratios.
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/bmpfile.h"
#include "imaging/canvas.h"
#include "imaging/jpegimage.h"
#include "imaging/stream.h"
#include "png/pngobject.h"
#include "tools/bench/benchutil.h"
#include "tools/bench/corpus.h"
#include "tools/bench/jpegpeer.h"

namespace {

void JpegRow(const CorpusImage& img, int runs) {
  const auto shared = std::make_shared<const TBitmap>(ClipboardBitmap(img));
  const TBitmap& bitmap = *shared;
  std::vector<std::uint8_t> ours;
  const double encode = MedianMs(runs, [&] {
    TJPEGImage jpeg;
    jpeg.Assign(shared);  // the save hands over the clipboard's bitmap, shared
    TMemoryStream out;
    jpeg.SaveToStream(out);
    if (ours.empty()) ours = out.Bytes();
    return out.Bytes().size();
  });
  // Row 0 of the bitmap is its top row; rows lie bottom-up in memory, so the stride is negative.
  const long stride = -static_cast<long>(bitmap.RowBytes());
  std::vector<std::uint8_t> theirs;
  const double peerEncode = MedianMs(runs, [&] {
    theirs = LibjpegCompress(bitmap.ScanLine(0), stride, bitmap.GetWidth(), bitmap.GetHeight());
    return theirs.size();
  });
  TMemoryStream in(ours);
  const double decode = MedianMs(runs, [&] {
    in.Seek(0, TSeekOrigin::soBeginning);
    TJPEGImage jpeg;
    jpeg.LoadFromStream(in);
    return jpeg.Bitmap().Bits.size();
  });
  const double peerDecode = MedianMs(runs, [&] { return LibjpegDecompress(ours); });
  const double mb = double(img.width) * img.height * 3 / 1e6;
  std::printf("%-12s encode %8.2f ms %6.0f MB/s  libjpeg %8.2f  ratio %5.3f  same bytes: %s\n",
              img.name.c_str(), encode, mb / (encode / 1000), peerEncode, encode / peerEncode,
              ours == theirs ? "yes" : "NO");
  std::printf("%-12s decode %8.2f ms %6.0f MB/s  libjpeg %8.2f  ratio %5.3f\n", "", decode,
              mb / (decode / 1000), peerDecode, decode / peerDecode);
}

void BmpRow(const CorpusImage& img, int runs) {
  const TBitmap bitmap = ClipboardBitmap(img);
  TMemoryStream written;
  WriteBmp(bitmap, written);
  const std::vector<std::uint8_t>& file = written.Bytes();
  const double write = MedianMs(runs, [&] {
    TMemoryStream out;
    WriteBmp(bitmap, out);
    return out.Bytes().size();
  });
  TMemoryStream in(file);
  const double read = MedianMs(runs, [&] {
    in.Seek(0, TSeekOrigin::soBeginning);
    TBitmap b;
    ReadBmp(b, in);
    return b.Bits.size();
  });
  // The peer: the same number of bytes copied into a new buffer.
  const double copy = MedianMs(runs, [&] {
    std::vector<std::uint8_t> to(file.size());
    std::memcpy(to.data(), file.data(), file.size());
    return to.size();
  });
  std::printf(
      "%-12s BMP write %7.2f ms  read %7.2f ms  copy %7.2f ms  write/copy %5.2f  read/copy %5.2f\n",
      img.name.c_str(), write, read, copy, write / copy, read / copy);
}

// Draws a 1920 x 1080 PNG onto a canvas of its size in each transparency mode: opaque, colour
// key (tRNS) and partial (an alpha channel).
void DrawRow(const CorpusImage& img, const char* mode, int runs) {
  TMemoryStream file(img.file);
  TPNGObject png;
  png.LoadFromStream(file);
  if (std::string(mode) == "colour key") png.SetTransparentColor(0xF0F0F0);
  TCanvas canvas(static_cast<int>(img.width), static_cast<int>(img.height), 0x0000FF);
  const TRect all{0, 0, static_cast<int>(img.width), static_cast<int>(img.height)};
  const double ms = MedianMs(runs, [&] {
    png.Draw(canvas, all);
    return static_cast<std::size_t>(canvas.Pixel(1, 1));
  });
  std::printf("%-18s %-11s %8.2f ms  %6.0f Mpixel/s\n", img.name.c_str(), mode, ms,
              double(img.width) * img.height / 1e6 / (ms / 1000));
}

}  // namespace

int main() {
  std::fprintf(stderr, "making the corpus...\n");
  const std::vector<CorpusImage> corpus = MakeCorpus();
  std::printf(
      "JPEG, quality 90, baseline, float DCT, from a 32-bit clipboard bitmap; ratio = ours / "
      "libjpeg\n");
  for (const CorpusImage& img : corpus)
    if (img.colorType == 2 && !img.interlaced) JpegRow(img, img.width > 2000 ? 3 : 9);
  std::printf(
      "\nBMP of a 32-bit clipboard bitmap, in memory; ratio = ours / a plain copy of the file's "
      "bytes\n");
  for (const CorpusImage& img : corpus)
    if (img.colorType == 2 && !img.interlaced) BmpRow(img, img.width > 2000 ? 5 : 15);
  std::printf("\nPNG drawing onto a canvas of the picture's size\n");
  for (const CorpusImage& img : corpus) {
    if (img.interlaced || img.width != 1920) continue;
    if (img.name == "screenshot") {
      DrawRow(img, "opaque", 9);
      DrawRow(img, "colour key", 9);
    }
    if (img.name == "screenshot-alpha") DrawRow(img, "partial", 9);
  }
  return 0;
}
