// Codec benchmark: decodes and encodes a generated corpus with the program's PNG codec and, in
// the same process, with libpng, libspng, stb_image, lodepng and zlib alone, and prints median
// times and their ratios. Not a test: it asserts nothing and only reports.
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/stream.h"
#include "png/pngobject.h"
#include "tools/bench/benchutil.h"
#include "tools/bench/corpus.h"
#include "tools/bench/peers.h"

namespace {

std::size_t Channels(int colorType) { return colorType == 6 ? 4 : colorType == 3 ? 1 : 3; }

// Bytes of the filtered image data (filter bytes included), all Adam7 passes when interlaced.
std::size_t FilteredSize(const CorpusImage& img) {
  const std::uint8_t ct = static_cast<std::uint8_t>(img.colorType);
  if (!img.interlaced) return std::size_t{PixelInfoFor(img.width, 8, ct).rowBytes + 1} * img.height;
  const std::uint32_t p[7][4] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                                 {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}};
  std::size_t total = 0;
  for (const auto& q : p) {
    if (img.width <= q[1] || img.height <= q[0]) continue;
    const std::uint32_t w = (img.width - q[1] + q[3] - 1) / q[3];
    const std::uint32_t rows = (img.height - q[0] + q[2] - 1) / q[2];
    total += std::size_t{PixelInfoFor(w, 8, ct).rowBytes + 1} * rows;
  }
  return total;
}

std::size_t DecodeOurs(TMemoryStream& stream) {
  stream.Seek(0, TSeekOrigin::soBeginning);
  auto png = std::make_unique<TPNGObject>();
  png->LoadFromStream(stream);
  return static_cast<std::size_t>(png->GetWidth()) * png->GetHeight();
}

void DecodeRow(const CorpusImage& img, int runs) {
  TMemoryStream stream(img.file);
  const Bytes idat = IdatStream(img.file);
  const std::size_t raw = FilteredSize(img);
  const double ours = MedianMs(runs, [&] { return DecodeOurs(stream); });
  const double libpng = MedianMs(runs, [&] { return DecodeLibpng(img.file); });
  const double spng = MedianMs(runs, [&] { return DecodeSpng(img.file); });
  const double stb = MedianMs(runs, [&] { return DecodeStb(img.file); });
  const double lode = MedianMs(runs, [&] { return DecodeLodepng(img.file); });
  const double zlib = MedianMs(runs, [&] { return InflateOnly(idat, raw); });
  const double mb = double(img.width) * img.height * Channels(img.colorType) / 1e6;
  std::printf("%-24s %8.2f %7.0f | %6.2f %6.2f %6.2f %6.2f | %5.2f\n", img.name.c_str(), ours,
              mb / (ours / 1000), ours / libpng, ours / spng, ours / stb, ours / lode, ours / zlib);
}

Bytes SubFiltered(const CorpusImage& img) {
  Bytes out;
  const std::size_t n = std::size_t{img.width} * 3;
  out.reserve((n + 1) * img.height);
  for (std::uint32_t y = 0; y < img.height; ++y) {
    const std::uint8_t* r = img.pixels.data() + y * n;
    out.push_back(1);
    for (std::size_t i = 0; i < n; ++i)
      out.push_back(static_cast<std::uint8_t>(r[i] - (i >= 3 ? r[i - 3] : 0)));
  }
  return out;
}

void EncodeRow(const CorpusImage& img, int runs) {
  const TBitmap bitmap = ClipboardBitmap(img);
  Bytes ourFile;
  const double ours = MedianMs(runs, [&] {
    TPNGObject png;
    png.Assign(bitmap);
    TMemoryStream out;
    png.SaveToStream(out);
    ourFile = out.Bytes();
    return ourFile.size();
  });
  const Bytes filtered = SubFiltered(img);
  const double zlib = MedianMs(runs, [&] { return DeflateOnly(filtered).size(); });
  Bytes libpngFile;
  const double libpng = MedianMs(runs, [&] {
    libpngFile = EncodeLibpngSub(img.pixels, img.width, img.height);
    return libpngFile.size();
  });
  const bool same = IdatStream(ourFile) == IdatStream(libpngFile);
  std::printf("%-24s %8.2f %7.0f | %8.2f %5.3f | %8.2f %5.2f | %s %zu\n", img.name.c_str(), ours,
              double(img.width) * img.height * 3 / 1e6 / (ours / 1000), zlib, ours / zlib, libpng,
              ours / libpng, same ? "yes" : "NO ", ourFile.size());
}

}  // namespace

int main() {
  std::fprintf(stderr, "making the corpus...\n");
  const std::vector<CorpusImage> corpus = MakeCorpus();
  std::printf(
      "PNG decode: median ms, MB/s of raw pixels, and our time / peer's time (< 1: faster)\n");
  std::printf("%-24s %8s %7s | %6s %6s %6s %6s | %5s\n", "picture", "ours ms", "MB/s", "libpng",
              "spng", "stb", "lode", "zlib");
  for (const CorpusImage& img : corpus) DecodeRow(img, img.width > 2000 ? 3 : 9);

  std::printf(
      "\nPNG encode of a 32-bit clipboard bitmap (Sub, level 7, window 15, memory level 8)\n");
  std::printf("%-24s %8s %7s | %8s %5s | %8s %5s | %s\n", "picture", "ours ms", "MB/s", "zlib ms",
              "ratio", "libpng", "ratio", "IDAT = libpng's, bytes");
  for (const CorpusImage& img : corpus)
    if (img.colorType == 2 && !img.interlaced) EncodeRow(img, img.width > 2000 ? 3 : 5);
  return 0;
}
