#include "imaging/bmpfile.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/exception.h"
#include "imaging/stream.h"

const char* const SInvalidBitmap = "ビットマップイメージが不正です";

namespace {

// Bitmaps larger than this many bytes of pixels are refused when read.
constexpr std::uint64_t kMaxBmpPixelBytes = 1ull << 30;
constexpr std::uint32_t kRle8 = 1, kRle4 = 2;

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

// The colour table a file gets: a palette picture's own colours, or the palette that came
// along with a high-colour picture; at most 256 entries.
const std::vector<TRGBQuad>& TableOf(const TBitmap& bitmap) {
  return bitmap.BitsPerPixel() <= 8 ? bitmap.Colors : bitmap.Palette;
}

// What the headers say, whichever of the two forms the file has.
struct BmpHeader {
  std::uint32_t headerSize = 0;
  std::uint32_t offset = 0;
  int width = 0, height = 0, bits = 0, planes = 0;
  std::uint32_t compression = 0, used = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  bool os2 = false;
};

BmpHeader ReadHeaders(TStream& stream) {
  std::uint8_t file[14];
  ReadExactly(stream, file, 14);
  if (file[0] != 'B' || file[1] != 'M') Invalid();
  BmpHeader h;
  h.offset = Get32(file + 10);
  std::uint8_t info[56] = {};
  ReadExactly(stream, info, 4);
  h.headerSize = Get32(info);
  h.os2 = h.headerSize == 12;
  if (h.os2) {
    ReadExactly(stream, info + 4, 8);
    h.width = static_cast<int>(Get16(info + 4));
    h.height = static_cast<int>(Get16(info + 6));
    h.planes = static_cast<int>(Get16(info + 8));
    h.bits = static_cast<int>(Get16(info + 10));
    return h;
  }
  if (h.headerSize < 40 || h.headerSize > 1024) Invalid();
  const std::uint32_t inHeader = std::min<std::uint32_t>(h.headerSize, 56);
  ReadExactly(stream, info + 4, inHeader - 4);
  stream.Seek(h.headerSize - inHeader, TSeekOrigin::soCurrent);
  h.width = static_cast<std::int32_t>(Get32(info + 4));
  h.height = static_cast<std::int32_t>(Get32(info + 8));
  h.planes = static_cast<int>(Get16(info + 12));
  h.bits = static_cast<int>(Get16(info + 14));
  h.compression = Get32(info + 16);
  h.used = Get32(info + 32);
  if (h.compression == BI_BITFIELDS_) {
    // After a 40-byte header the masks follow it; the later headers hold them.
    std::uint8_t m[12];
    if (h.headerSize == 40)
      ReadExactly(stream, m, 12);
    else
      std::memcpy(m, info + 40, 12);
    for (int i = 0; i < 3; ++i) h.masks[i] = Get32(m + 4 * i);
  }
  return h;
}

void Check(const BmpHeader& h) {
  const int b = h.bits;
  const bool knownDepth = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
  const bool bitfields = h.compression == BI_BITFIELDS_ && (b == 16 || b == 32);
  const bool rle = (h.compression == kRle8 && b == 8) || (h.compression == kRle4 && b == 4);
  if (h.planes != 1 || !knownDepth || h.width <= 0 || h.height == 0 || h.height == INT32_MIN)
    Invalid();
  if (h.compression != 0 && !bitfields && !rle) Invalid();
  if (rle && h.height < 0) Invalid();  // run-length rows are always stored bottom-up
  if (bitfields) {
    const std::uint32_t* m = h.masks;
    if (!m[0] || !m[1] || !m[2] || (m[0] & m[1]) || (m[0] & m[2]) || (m[1] & m[2])) Invalid();
    if (b == 16 && ((m[0] | m[1] | m[2]) >> 16)) Invalid();
  }
  const std::uint64_t rows = h.height < 0 ? -static_cast<std::int64_t>(h.height) : h.height;
  if (DibRowBytes(static_cast<std::uint32_t>(h.width), b) * rows > kMaxBmpPixelBytes) Invalid();
}

std::vector<TRGBQuad> ReadColorTable(TStream& stream, const BmpHeader& h) {
  std::uint32_t count = h.used ? h.used : h.bits <= 8 ? (1u << h.bits) : 0;
  if (h.bits <= 8) count = std::min(count, 1u << h.bits);
  count = std::min<std::uint32_t>(count, 256);
  const std::size_t entrySize = h.os2 ? 3 : 4;
  if (count * entrySize > static_cast<std::uint64_t>(stream.Remaining())) Invalid();
  std::vector<TRGBQuad> table(count);
  for (TRGBQuad& entry : table) {
    std::uint8_t e[4] = {};
    ReadExactly(stream, e, entrySize);
    entry = TRGBQuad{e[0], e[1], e[2], 0};
  }
  return table;
}

// Run-length pixels of 8 or 4 bits into the bitmap's rows, bottom-up. Runs that go past the
// row's end are cut there, a move past the picture ends it; data that ends before the
// end-of-picture mark makes the file invalid.
class RleReader {
 public:
  RleReader(const std::vector<std::uint8_t>& data, TBitmap& bitmap, int bits)
      : data_(data),
        b_(bitmap),
        bits_(bits),
        width_(bitmap.GetWidth()),
        height_(bitmap.GetHeight()) {}

  void Run() {
    while (true) {
      const int count = Next(), value = Next();
      if (count > 0) {
        for (int i = 0; i < count; ++i) Put(bits_ == 8 ? value : (i % 2 ? value & 15 : value >> 4));
        continue;
      }
      if (value == 0) {  // end of the row
        x_ = 0;
        ++y_;
      } else if (value == 1) {  // end of the picture
        return;
      } else if (value == 2) {  // a move right and up
        x_ += Next();
        y_ += Next();
      } else {
        Literal(value);
      }
      if (y_ >= height_) return;
    }
  }

 private:
  int Next() {
    if (at_ >= data_.size()) Invalid();
    return data_[at_++];
  }
  void Literal(int count) {
    const int bytes = bits_ == 8 ? count : (count + 1) / 2;
    for (int i = 0; i < count; ++i) {
      const std::size_t at = at_ + static_cast<std::size_t>(bits_ == 8 ? i : i / 2);
      if (at >= data_.size()) Invalid();
      Put(bits_ == 8 ? data_[at] : (i % 2 ? data_[at] & 15 : data_[at] >> 4));
    }
    at_ += static_cast<std::size_t>(bytes + (bytes & 1));  // literal runs are word-aligned
  }
  void Put(int index) {
    if (x_ < width_ && y_ < height_) {
      std::uint8_t* row = b_.ScanLine(height_ - 1 - y_);
      if (bits_ == 8) {
        row[x_] = static_cast<std::uint8_t>(index);
      } else {
        std::uint8_t& pair = row[x_ / 2];
        pair = static_cast<std::uint8_t>(x_ % 2 ? (pair & 0xF0) | index
                                                : (pair & 0x0F) | (index << 4));
      }
    }
    ++x_;
  }

  const std::vector<std::uint8_t>& data_;
  TBitmap& b_;
  int bits_, width_, height_;
  std::size_t at_ = 0;
  int x_ = 0, y_ = 0;
};

}  // namespace

void WriteBmp(const TBitmap& bitmap, TStream& stream) {
  const int bits = bitmap.BitsPerPixel();
  const bool masked = bits > 8 && (bitmap.Masks[0] | bitmap.Masks[1] | bitmap.Masks[2]);
  const std::vector<TRGBQuad>& table = TableOf(bitmap);
  const std::size_t colors = std::min<std::size_t>(table.size(), 256);
  const std::uint32_t imageSize =
      bitmap.RowBytes() * static_cast<std::uint32_t>(bitmap.GetHeight());
  const std::uint32_t offset = 14 + 40 + (masked ? 12 : 0) + static_cast<std::uint32_t>(colors * 4);

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
  std::vector<std::uint8_t> out(offset);
  std::memcpy(out.data(), head, masked ? sizeof head : 54);
  std::uint8_t* p = out.data() + (masked ? sizeof head : 54);
  for (std::size_t i = 0; i < colors; ++i, p += 4) {
    const TRGBQuad& c = table[i];
    p[0] = c.rgbBlue, p[1] = c.rgbGreen, p[2] = c.rgbRed, p[3] = 0;
  }
  stream.WriteBuffer(out.data(), out.size());
  // Rows stored bottom-up are already in the file's order: one write.
  if (bitmap.StoredHeight() > 0) {
    stream.WriteBuffer(bitmap.Bits.data(), bitmap.Bits.size());
    return;
  }
  for (int y = bitmap.GetHeight() - 1; y >= 0; --y)
    stream.WriteBuffer(bitmap.ScanLine(y), bitmap.RowBytes());
}

void ReadBmp(TBitmap& bitmap, TStream& stream) {
  const std::int64_t start = stream.Position();
  const BmpHeader h = ReadHeaders(stream);
  Check(h);
  std::vector<TRGBQuad> table = ReadColorTable(stream, h);
  TBitmap loaded(h.width, h.height, h.bits);
  if (h.bits <= 8) {
    if (table.size() > loaded.Colors.size()) table.resize(loaded.Colors.size());
    std::copy(table.begin(), table.end(), loaded.Colors.begin());
    loaded.Colors.resize(std::max<std::size_t>(table.size(), 1));
  } else {
    loaded.Palette = std::move(table);
  }
  if (h.compression == BI_BITFIELDS_) std::memcpy(loaded.Masks, h.masks, sizeof h.masks);
  if (h.offset >= 14) stream.Seek(start + h.offset, TSeekOrigin::soBeginning);
  if (h.compression == kRle8 || h.compression == kRle4) {
    std::vector<std::uint8_t> data(
        static_cast<std::size_t>(std::max<std::int64_t>(stream.Remaining(), 0)));
    data.resize(stream.Read(data.data(), data.size()));
    RleReader(data, loaded, h.bits).Run();
  } else {
    if (loaded.Bits.size() > static_cast<std::uint64_t>(stream.Remaining())) Invalid();
    ReadExactly(stream, loaded.Bits.data(), loaded.Bits.size());
  }
  bitmap = std::move(loaded);
}
