// imgtool: the program's picture codecs on the command line, for checks and benchmarks.
//   imgtool decode [--repeat N] IN OUT.pam                 (PNG, JPEG or BMP, by signature)
//   imgtool encode-png [--repeat N] IN.pam|IN.ppm OUT.png
//   imgtool encode-jpeg [--repeat N] [--quality Q] IN.pam|IN.ppm OUT.jpg
//   imgtool encode-bmp [--repeat N] [--bpp B] IN.pam|IN.ppm OUT.bmp
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
#include "imaging/bmpfile.h"
#include "imaging/exception.h"
#include "imaging/jpegimage.h"
#include "imaging/stream.h"
#include "png/chunkihdr.h"
#include "png/crc.h"
#include "png/pngobject.h"
#include "tools/imgtool/bitmaps.h"
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
               "       imgtool encode-jpeg [--repeat N] [--quality Q] IN.pam|IN.ppm OUT.jpg\n"
               "       imgtool encode-bmp [--repeat N] [--bpp B] IN.pam|IN.ppm OUT.bmp\n"
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

struct Options {
  int repeat = 0;
  int quality = 90;
  int bpp = 32;
  const char* in = nullptr;
  const char* out = nullptr;
};

// Reads "[--repeat N] [--quality Q] [--bpp B] IN OUT"; only the options in `allowed`.
Options ParseOptions(int argc, char** argv, const std::string& allowed, const char* what) {
  Options o;
  int i = 2;
  auto value = [&](int low, int high) {
    const int v = i + 1 < argc ? std::atoi(argv[i + 1]) : 0;
    if (v < low || v > high) throw UsageError{std::string(argv[i]) + " out of range"};
    i += 2;
    return v;
  };
  while (i < argc && std::strncmp(argv[i], "--", 2) == 0) {
    const std::string name = argv[i];
    if (allowed.find(name) == std::string::npos) throw UsageError{"unknown option " + name};
    if (name == "--repeat")
      o.repeat = value(1, 1000000);
    else if (name == "--quality")
      o.quality = value(1, 100);
    else if (name == "--bpp") {
      o.bpp = value(1, 32);
      if (o.bpp != 1 && o.bpp != 4 && o.bpp != 8 && o.bpp != 24 && o.bpp != 32)
        throw UsageError{"--bpp is 32, 24, 8, 4 or 1"};
    } else
      throw UsageError{"unknown option " + name};
  }
  if (argc - i != 2) throw UsageError{what};
  o.in = argv[i];
  o.out = argv[i + 1];
  return o;
}

// The input picture, or a message and the codec's exit code.
bool ReadInput(const char* path, PamImage& image) {
  try {
    image = ReadPam(ReadFileBytes(path));
    return true;
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "imgtool: %s: %s\n", path, e.what());
    return false;
  }
}

// Runs `encode` (which fills a memory stream) as the timing rules say, writes the file and
// prints the result line.
template <class Encode>
int EncodeWith(const Options& o, Encode encode) {
  std::unique_ptr<TMemoryStream> out;
  const RunTimes times = TimeRuns(o.repeat, o.repeat > 0, [&] {
    out = std::make_unique<TMemoryStream>();
    encode(*out);
  });
  TFileStream file(o.out, TFileMode::fmCreate);
  if (!out->Bytes().empty()) file.WriteBuffer(out->Bytes().data(), out->Bytes().size());
  std::printf("%s\n", ResultLine(times, out->Bytes().size()).c_str());
  return 0;
}

int EncodePng(int argc, char** argv) {
  const Options o = ParseOptions(argc, argv, "--repeat", "encode-png needs IN.pam and OUT.png");
  PamImage image;
  if (!ReadInput(o.in, image)) return kExitCodec;
  const TBitmap bitmap = BitmapFromPam(image, 32);
  return EncodeWith(o, [&](TMemoryStream& out) {
    TPNGObject png;
    png.Assign(bitmap);
    png.SaveToStream(out);
  });
}

int EncodeJpeg(int argc, char** argv) {
  const Options o =
      ParseOptions(argc, argv, "--repeat --quality", "encode-jpeg needs IN.pam and OUT.jpg");
  PamImage image;
  if (!ReadInput(o.in, image)) return kExitCodec;
  const TBitmap bitmap = BitmapFromPam(image, 32);
  return EncodeWith(o, [&](TMemoryStream& out) {
    TJPEGImage jpeg;
    jpeg.CompressionQuality = o.quality;
    jpeg.Assign(bitmap);
    jpeg.SaveToStream(out);
  });
}

int EncodeBmp(int argc, char** argv) {
  const Options o =
      ParseOptions(argc, argv, "--repeat --bpp", "encode-bmp needs IN.pam and OUT.bmp");
  PamImage image;
  if (!ReadInput(o.in, image)) return kExitCodec;
  const TBitmap bitmap = BitmapFromPam(image, o.bpp);
  return EncodeWith(o, [&](TMemoryStream& out) { WriteBmp(bitmap, out); });
}

// A decoded picture: a PNG object, or the bitmap of a JPEG or BMP file.
struct Decoded {
  std::unique_ptr<TPNGObject> png;
  TBitmap bitmap;
};

// Decodes `input` with the reader its signature names; the PNG reader takes every file no
// other reader claims, so a damaged signature is reported by the PNG codec's own error.
Decoded DecodeOnce(const std::vector<std::uint8_t>& input) {
  TMemoryStream stream(input);
  Decoded d;
  if (input.size() >= 2 && input[0] == 0xFF && input[1] == 0xD8) {
    TJPEGImage jpeg;
    jpeg.LoadFromStream(stream);
    d.bitmap = jpeg.Bitmap();
  } else if (input.size() >= 2 && input[0] == 'B' && input[1] == 'M') {
    ReadBmp(d.bitmap, stream);
  } else {
    d.png = std::make_unique<TPNGObject>();
    d.png->LoadFromStream(stream);
  }
  return d;
}

int Decode(int argc, char** argv) {
  const Options o = ParseOptions(argc, argv, "--repeat", "decode needs IN and OUT.pam");
  const std::vector<std::uint8_t> input = ReadFileBytes(o.in);
  Decoded decoded;
  const RunTimes times = TimeRuns(o.repeat, o.repeat > 0, [&] { decoded = DecodeOnce(input); });
  const PamImage image = decoded.png ? ExpandPng(*decoded.png) : PamFromBitmap(decoded.bitmap);
  WritePam(o.out, image);
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
      std::printf(
          "  width=%u height=%u bit_depth=%u color_type=%u compression=%u filter=%u "
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
    if (command == "encode-jpeg") return EncodeJpeg(argc, argv);
    if (command == "encode-bmp") return EncodeBmp(argc, argv);
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
