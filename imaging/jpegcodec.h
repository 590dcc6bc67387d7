#pragma once
// JPEG through libjpeg, with the program's settings: encoding at a quality (90 for the saved
// files), baseline, floating-point DCT, everything else as jpeg_set_defaults has it; decoding
// at full size with the floating-point DCT and block smoothing.
#include <cstdint>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/exception.h"

// Any libjpeg error; the message carries the library's message code.
class EJPEG : public EInvalidGraphic {
 public:
  explicit EJPEG(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

// Pictures whose decoded pixels would take more bytes than this are refused before decoding.
constexpr std::uint64_t kMaxJpegPixelBytes = 1ull << 30;

struct TJpegHeader {
  int width = 0;
  int height = 0;
  bool grayscale = false;
  bool progressive = false;
};

// `bitmap` must not be empty. Rows are taken from the top down.
std::vector<std::uint8_t> CompressJpeg(const TBitmap& bitmap, int quality);
TJpegHeader ReadJpegHeader(const std::vector<std::uint8_t>& data);
// A 24-bit bitmap (blue, green, red); or, for a grayscale file or when `quantize` is set, an
// 8-bit bitmap whose colour table is the two-pass quantizer's map of at most 236 colours.
TBitmap DecompressJpeg(const std::vector<std::uint8_t>& data, bool quantize);
