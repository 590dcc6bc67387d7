#include "imaging/bmpfile.h"

#include <cstring>

#include "imaging/bitmap.h"
#include "imaging/exception.h"
#include "imaging/stream.h"

const char* const SInvalidBitmap = "ビットマップイメージが不正です";

namespace {

// Bitmaps larger than this many bytes of pixels are refused when read.
constexpr std::uint64_t kMaxBmpPixelBytes = 1ull << 30;

void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}
std::uint32_t Get16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t Get32(const std::uint8_t* p) { return Get16(p) | (Get16(p + 2) << 16); }

[[noreturn]] void Invalid() { throw EInvalidGraphic(SInvalidBitmap); }

void ReadExactly(TStream& stream, void* buffer, std::size_t count) {
  if (stream.Read(buffer, count) != count) Invalid();
}

}  // namespace

void WriteBmp(const TBitmap& bitmap, TStream& stream) {
  const int bits = bitmap.BitsPerPixel();
  const bool masked = bits > 8 && (bitmap.Masks[0] | bitmap.Masks[1] | bitmap.Masks[2]);
  const std::size_t colors = std::min<std::size_t>(bitmap.Colors.size(), 256);
  const std::uint32_t imageSize = bitmap.RowBytes() * static_cast<std::uint32_t>(bitmap.GetHeight());
  const std::uint32_t offset =
      14 + 40 + (masked ? 12 : 0) + static_cast<std::uint32_t>(colors * 4);

  std::uint8_t head[14 + 40 + 12] = {};
  head[0] = 'B';
  head[1] = 'M';
  Put32(head + 2, offset + imageSize);
  Put32(head + 10, offset);
  std::uint8_t* info = head + 14;
  Put32(info, 40);
  Put32(info + 4, static_cast<std::uint32_t>(bitmap.GetWidth()));
  Put32(info + 8, static_cast<std::uint32_t>(bitmap.GetHeight()));
  Put16(info + 12, 1);
  Put16(info + 14, static_cast<std::uint32_t>(bits));
  Put32(info + 16, masked ? BI_BITFIELDS_ : 0);
  Put32(info + 20, imageSize);
  Put32(info + 32, static_cast<std::uint32_t>(colors));
  for (int i = 0; i < 3; ++i) Put32(info + 40 + 4 * i, bitmap.Masks[i]);
  stream.WriteBuffer(head, masked ? sizeof head : 54);
  for (std::size_t i = 0; i < colors; ++i) {
    const TRGBQuad& c = bitmap.Colors[i];
    const std::uint8_t entry[4] = {c.rgbBlue, c.rgbGreen, c.rgbRed, 0};
    stream.WriteBuffer(entry, 4);
  }
  for (int y = bitmap.GetHeight() - 1; y >= 0; --y)
    stream.WriteBuffer(bitmap.ScanLine(y), bitmap.RowBytes());
}

void ReadBmp(TBitmap& bitmap, TStream& stream) {
  const std::int64_t start = stream.Position();
  std::uint8_t file[14];
  ReadExactly(stream, file, 14);
  if (file[0] != 'B' || file[1] != 'M') Invalid();
  std::uint8_t info[40] = {};
  ReadExactly(stream, info, 4);
  const std::uint32_t headerSize = Get32(info);
  int width = 0, height = 0, bits = 0, planes = 0;
  std::uint32_t compression = 0, used = 0;
  bool os2 = headerSize == 12;
  if (os2) {
    ReadExactly(stream, info + 4, 8);
    width = static_cast<int>(Get16(info + 4));
    height = static_cast<int>(Get16(info + 6));
    planes = static_cast<int>(Get16(info + 8));
    bits = static_cast<int>(Get16(info + 10));
  } else {
    if (headerSize < 40) Invalid();
    ReadExactly(stream, info + 4, 36);
    stream.Seek(headerSize - 40, TSeekOrigin::soCurrent);
    width = static_cast<std::int32_t>(Get32(info + 4));
    height = static_cast<std::int32_t>(Get32(info + 8));
    planes = static_cast<int>(Get16(info + 12));
    bits = static_cast<int>(Get16(info + 14));
    compression = Get32(info + 16);
    used = Get32(info + 32);
  }
  const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  const bool bitfields = compression == BI_BITFIELDS_ && (bits == 16 || bits == 32);
  if (planes != 1 || !knownDepth || width <= 0 || height == 0 || height == INT32_MIN ||
      (compression != 0 && !bitfields))
    Invalid();
  const std::uint64_t rowBytes = DibRowBytes(static_cast<std::uint32_t>(width), bits);
  const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
  if (rowBytes * rows > kMaxBmpPixelBytes) Invalid();

  std::uint32_t masks[3] = {0, 0, 0};
  if (bitfields) {
    std::uint8_t m[12];
    ReadExactly(stream, m, 12);
    for (int i = 0; i < 3; ++i) masks[i] = Get32(m + 4 * i);
    if (!masks[0] || !masks[1] || !masks[2] || (masks[0] & masks[1]) || (masks[0] & masks[2]) ||
        (masks[1] & masks[2]))
      Invalid();
  }
  std::uint32_t colors = used ? used : bits <= 8 ? (1u << bits) : 0;
  if (bits <= 8 && colors > (1u << bits)) colors = 1u << bits;
  const std::size_t entrySize = os2 ? 3 : 4;
  if (colors * entrySize > static_cast<std::uint64_t>(stream.Remaining())) Invalid();

  TBitmap loaded(width, height, bits);
  if (colors > loaded.Colors.size()) loaded.Colors.resize(colors);
  for (std::uint32_t i = 0; i < colors; ++i) {
    std::uint8_t e[4] = {};
    ReadExactly(stream, e, entrySize);
    loaded.Colors[i] = TRGBQuad{e[0], e[1], e[2], 0};
  }
  std::memcpy(loaded.Masks, masks, sizeof masks);
  const std::uint32_t offset = Get32(file + 10);
  if (offset >= 14) stream.Seek(start + offset, TSeekOrigin::soBeginning);
  if (loaded.Bits.size() > static_cast<std::uint64_t>(stream.Remaining())) Invalid();
  ReadExactly(stream, loaded.Bits.data(), loaded.Bits.size());
  bitmap = std::move(loaded);
}
