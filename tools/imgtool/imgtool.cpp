// imgtool: the program's picture codecs on the command line, for checks and benchmarks.
//   imgtool decode [--repeat N] IN OUT.pam
//   imgtool encode-png [--repeat N] IN.pam|IN.ppm OUT.png
//   imgtool info IN.png
// Exit codes: 0 done, 1 the codec refused the input, 2 wrong usage.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/exception.h"
#include "imaging/stream.h"
#include "png/chunkihdr.h"
#include "png/crc.h"
#include "png/pngobject.h"
#include "tools/imgtool/pam.h"
#include "tools/imgtool/timing.h"

namespace {

constexpr int kExitCodec = 1;
constexpr int kExitUsage = 2;

struct UsageError {
  std::string text;
};

void PrintUsage() {
  std::fprintf(stderr,
               "usage: imgtool decode [--repeat N] IN OUT.pam\n"
               "       imgtool encode-png [--repeat N] IN.pam|IN.ppm OUT.png\n"
               "       imgtool info IN.png\n");
}

bool IsPng(const std::vector<std::uint8_t>& bytes) {
  return bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0;
}

// The picture as the program shows it: the buffer expanded through its colour table, 8-bit,
// top row first, with the alpha plane as a fourth channel where there is one.
PamImage ExpandPng(const TPNGObject& png) {
  const TChunkIHDR& h = png.GetHeader();
  PamImage out;
  out.width = h.IHDRData.Width;
  out.height = h.IHDRData.Height;
  out.channels = h.ImageAlpha.empty() ? 3 : 4;
  out.samples.resize(std::size_t{out.width} * out.height * out.channels);
  const unsigned bits = h.BitmapInfo.bmiHeader.biBitCount;
  std::uint8_t* p = out.samples.data();
  for (std::uint32_t y = 0; y < out.height; ++y) {
    const std::uint8_t* row = png.GetScanline(y);
    const std::uint8_t* alpha = png.GetAlphaScanline(y);
    for (std::uint32_t x = 0; x < out.width; ++x, p += out.channels) {
      if (bits == 24) {
        p[0] = row[x * 3 + 2];
        p[1] = row[x * 3 + 1];
        p[2] = row[x * 3];
      } else {
        const unsigned bit = x * bits;
        const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        const TRGBQuad& c = h.BitmapInfo.bmiColors[index];
        p[0] = c.rgbRed;
        p[1] = c.rgbGreen;
        p[2] = c.rgbBlue;
      }
      if (alpha) p[3] = alpha[x];
    }
  }
  return out;
}

// Reads "[--repeat N] IN OUT"; returns the index of IN.
int RepeatAndFiles(int argc, char** argv, int& repeat, const char* what) {
  int i = 2;
  if (i < argc && std::strcmp(argv[i], "--repeat") == 0) {
    if (i + 1 >= argc || (repeat = std::atoi(argv[i + 1])) < 1) throw UsageError{"--repeat N"};
    i += 2;
  }
  if (argc - i != 2) throw UsageError{what};
  return i;
}

// A 32-bit bitmap of the picture, as the clipboard gives it on a true-colour display: blue,
// green, red and an unused byte; an alpha channel is dropped.
TBitmap BitmapFromPam(const PamImage& image) {
  TBitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height), 32);
  const std::uint8_t* s = image.samples.data();
  for (std::uint32_t y = 0; y < image.height; ++y) {
    std::uint8_t* row = bitmap.ScanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < image.width; ++x, s += image.channels) {
      row[4 * x] = s[2];
      row[4 * x + 1] = s[1];
      row[4 * x + 2] = s[0];
    }
  }
  return bitmap;
}

int EncodePng(int argc, char** argv) {
  int repeat = 0;
  const int i = RepeatAndFiles(argc, argv, repeat, "encode-png needs IN.pam and OUT.png");
  PamImage image;
  try {
    image = ReadPam(ReadFileBytes(argv[i]));
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "imgtool: %s: %s\n", argv[i], e.what());
    return kExitCodec;
  }
  const TBitmap bitmap = BitmapFromPam(image);
  std::unique_ptr<TMemoryStream> out;
  const RunTimes times = TimeRuns(repeat, repeat > 0, [&] {
    TPNGObject png;
    png.Assign(bitmap);
    out = std::make_unique<TMemoryStream>();
    png.SaveToStream(*out);
  });
  TFileStream file(argv[i + 1], TFileMode::fmCreate);
  file.WriteBuffer(out->Bytes().data(), out->Bytes().size());
  std::printf("%s\n", ResultLine(times, out->Bytes().size()).c_str());
  return 0;
}

int Decode(int argc, char** argv) {
  int repeat = 0;
  const int i = RepeatAndFiles(argc, argv, repeat, "decode needs IN and OUT.pam");
  // The PNG reader takes every file no other reader claims by its signature, so a damaged
  // signature is reported by the PNG codec's own error.
  const std::vector<std::uint8_t> input = ReadFileBytes(argv[i]);
  std::unique_ptr<TPNGObject> png;
  const RunTimes times = TimeRuns(repeat, repeat > 0, [&] {
    TMemoryStream stream(input);
    png = std::make_unique<TPNGObject>();
    png->LoadFromStream(stream);
  });
  const PamImage image = ExpandPng(*png);
  WritePam(argv[i + 1], image);
  std::printf("%s\n", ResultLine(times, image.samples.size()).c_str());
  return 0;
}

// Walks the file's framing itself, so it shows every chunk as stored, also those the loader
// skips or merges.
int Info(int argc, char** argv) {
  if (argc != 3) throw UsageError{"info needs IN.png"};
  const std::vector<std::uint8_t> bytes = ReadFileBytes(argv[2]);
  if (!IsPng(bytes)) {
    std::fprintf(stderr, "imgtool: %s is not a PNG file\n", argv[2]);
    return kExitCodec;
  }
  std::size_t pos = 8;
  while (pos + 8 <= bytes.size()) {
    const std::uint32_t length = ReadBE32(&bytes[pos]);
    const std::string type(reinterpret_cast<const char*>(&bytes[pos + 4]), 4);
    const bool complete = bytes.size() - pos - 8 >= std::uint64_t{length} + 4;
    bool crcOk = false;
    if (complete) {
      const std::uint32_t crc = ~update_crc(0xFFFFFFFFu, &bytes[pos + 4], length + 4);
      crcOk = ReadBE32(&bytes[pos + 8 + length]) == crc;
    }
    std::printf("chunk %s length=%u crc=%s\n", type.c_str(), length,
                complete ? (crcOk ? "ok" : "bad") : "truncated");
    if (type == "IHDR" && complete && length >= 13) {
      const std::uint8_t* d = &bytes[pos + 8];
      std::printf("  width=%u height=%u bit_depth=%u color_type=%u compression=%u filter=%u "
                  "interlace=%u\n",
                  ReadBE32(d), ReadBE32(d + 4), d[8], d[9], d[10], d[11], d[12]);
    }
    if (!complete) break;
    pos += std::size_t{length} + 12;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc < 2) throw UsageError{"no command"};
    const std::string command = argv[1];
    if (command == "decode") return Decode(argc, argv);
    if (command == "info") return Info(argc, argv);
    if (command == "encode-png") return EncodePng(argc, argv);
    throw UsageError{"unknown command " + command};
  } catch (const UsageError& e) {
    std::fprintf(stderr, "imgtool: %s\n", e.text.c_str());
    PrintUsage();
    return kExitUsage;
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return kExitCodec;
  }
}
