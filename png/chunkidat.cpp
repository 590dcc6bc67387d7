#include "png/chunkidat.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <zlib.h>

#include "imaging/stream.h"
#include "png/adam7.h"
#include "png/chunkihdr.h"
#include "png/crc.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"
#include "png/rowconvert.h"
#include "png/rowfilter.h"

const TChunkClassInfo TChunkIDAT::ClassInfo{"TChunkIDAT", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunkIDAT>};

namespace {

constexpr std::uint32_t kInputBufferSize = 65535;

}  // namespace

// Everything the decoder needs while it reads; none of it outlives the read.
struct TChunkIDAT::DecodeState {
  TStream& stream;
  TChunkIHDR& header;
  TRowConverter convert;
  TRowConvertContext convertContext;
  std::uint32_t rowBytes = 0;      // of a full image row, without the filter byte
  std::uint32_t filterOffset = 0;
  std::vector<std::uint8_t> rows[2];  // byte 0 of each receives the row's filter type
  int current = 1;
  std::uint32_t crc = 0;           // running CRC of the current IDAT chunk, not yet inverted
  std::int64_t position = 0;       // the stream's position, followed here to spare seeks
  std::int64_t endPosition = 0;    // where the current IDAT chunk's data ends
  bool streamEnded = false;        // the zlib stream is complete; later data is only checked
  z_stream z{};
  std::vector<std::uint8_t> input;

  DecodeState(TStream& s, TChunkIHDR& h) : stream(s), header(h), input(kInputBufferSize) {}
  ~DecodeState() { inflateEnd(&z); }
  std::uint8_t* Current() { return rows[current].data(); }
  std::uint8_t* Previous() { return rows[1 - current].data(); }
  void Swap() { current = 1 - current; }
};

void TChunkIDAT::PreparePalette() {
  TChunkIHDR& header = GetHeader();
  const std::uint8_t colorType = header.IHDRData.ColorType;
  if (colorType != COLOR_GRAYSCALE && colorType != COLOR_GRAYSCALEALPHA) return;
  const std::uint32_t n = 1u << header.BitmapInfo.bmiHeader.biBitCount;
  const std::uint8_t* gamma = Owner().GammaTable;
  for (std::uint32_t i = 0; i < n; ++i) {
    const std::uint8_t g = gamma[i * 255 / (n - 1)];
    header.BitmapInfo.bmiColors[i] = TRGBQuad{g, g, g, 0};
  }
}

bool TChunkIDAT::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunkIHDR& header = GetHeader();
  if (header.HasPalette) PreparePalette();

  DecodeState s(stream, header);
  s.crc = update_crc(0xFFFFFFFFu, name.data(), 4);
  s.position = stream.Position();
  s.endPosition = s.position + size;
  const TPixelInfo info = Owner().GetPixelInfo();
  s.rowBytes = info.rowBytes;
  s.filterOffset = info.offset;
  s.convert = RowConverterFor(header.IHDRData.ColorType, header.IHDRData.BitDepth);
  s.convertContext = {Owner().GammaTable, Owner().GammaIsIdentity()};
  if (inflateInit(&s.z) != Z_OK)
    RaiseError<EPNGZLIBError>(std::string(EPNGZLIBErrorText) + ZLIBErrors(Z_MEM_ERROR));
  s.rows[0].assign(s.rowBytes + 1, 0);
  s.rows[1].assign(s.rowBytes + 1, 0);

  if (Owner().InterlaceMethod == TInterlaceMethod::imAdam7)
    DecodeInterlacedAdam7(s);
  else
    DecodeNonInterlaced(s);
  FinishChunk(s);
  return true;
}

// Reads what is left of the current chunk's data into the CRC, then checks the CRC itself.
void TChunkIDAT::FinishChunk(DecodeState& s) {
  while (s.position < s.endPosition) {
    const auto want = static_cast<std::uint32_t>(
        std::min<std::int64_t>(kInputBufferSize, s.endPosition - s.position));
    const std::size_t n = s.stream.Read(s.input.data(), want);
    if (n == 0) break;
    s.crc = update_crc(s.crc, s.input.data(), n);
    s.position += static_cast<std::int64_t>(n);
  }
  std::uint8_t stored[4] = {};
  const bool complete = s.stream.Read(stored, 4) == 4;
  s.position += 4;
  if (!complete || ReadBE32(stored) != ~s.crc) RaiseError<EPngInvalidCRC>(EPngInvalidCRCText);
}

void TChunkIDAT::NextIDATChunk(DecodeState& s) {
  FinishChunk(s);
  std::uint8_t head[8] = {};
  s.position += static_cast<std::int64_t>(s.stream.Read(head, 8));
  if (std::memcmp(head + 4, "IDAT", 4) != 0)
    RaiseError<EPNGMissingMultipleIDAT>(EPNGMissingMultipleIDATText);
  s.crc = update_crc(0xFFFFFFFFu, head + 4, 4);
  s.endPosition = s.position + ReadBE32(head);
}

std::uint32_t TChunkIDAT::IDATZlibRead(DecodeState& s, std::uint8_t* buffer,
                                       std::uint32_t count) {
  s.z.next_out = buffer;
  s.z.avail_out = count;
  while (s.z.avail_out > 0) {
    if (s.z.avail_in == 0) {
      if (s.position >= s.endPosition) {
        // Also steps over empty IDAT chunks, which are valid and carry nothing.
        NextIDATChunk(s);
        continue;
      }
      const auto want = static_cast<std::uint32_t>(
          std::min<std::int64_t>(kInputBufferSize, s.endPosition - s.position));
      const std::size_t n = s.stream.Read(s.input.data(), want);
      if (n == 0) return count - s.z.avail_out;
      s.crc = update_crc(s.crc, s.input.data(), n);
      s.position += static_cast<std::int64_t>(n);
      s.z.next_in = s.input.data();
      s.z.avail_in = static_cast<uInt>(n);
    }
    if (s.streamEnded) {
      // Data after the end of the compressed stream: checked by the CRC, never inflated, so
      // the rows still missing are found missing when the image data runs out.
      s.z.avail_in = 0;
      continue;
    }
    const int rc = inflate(&s.z, Z_NO_FLUSH);
    if (rc < 0 || rc == Z_NEED_DICT)
      RaiseError<EPNGZLIBError>(std::string(EPNGZLIBErrorText) + ZLIBErrors(rc));
    if (rc == Z_STREAM_END) s.streamEnded = true;
  }
  return count;
}

void TChunkIDAT::FilterRow(DecodeState& s, std::uint32_t rowBytes) {
  std::uint8_t* row = s.Current();
  UnfilterRow(row[0], row + 1, s.Previous() + 1, rowBytes, s.filterOffset);
}

void TChunkIDAT::DecodeNonInterlaced(DecodeState& s) {
  TPNGObject& png = Owner();
  const std::uint32_t width = s.header.IHDRData.Width;
  const std::uint32_t height = s.header.IHDRData.Height;
  std::uint8_t* alpha = s.header.ImageAlpha.empty() ? nullptr : s.header.ImageAlpha.data();
  for (std::uint32_t y = 0; y < height; ++y) {
    if (IDATZlibRead(s, s.Current(), s.rowBytes + 1) == 0) return;
    FilterRow(s, s.rowBytes);
    s.convert(s.convertContext, s.Current() + 1, png.GetScanline(y),
              alpha ? alpha + std::size_t{y} * width : nullptr, width, 0, 1);
    s.Swap();
  }
}

void TChunkIDAT::DecodeInterlacedAdam7(DecodeState& s) {
  TPNGObject& png = Owner();
  const TIHDRData& h = s.header.IHDRData;
  std::uint8_t* alpha = s.header.ImageAlpha.empty() ? nullptr : s.header.ImageAlpha.data();
  for (const Adam7Pass& pass : kAdam7Passes) {
    const std::uint32_t passWidth = Adam7PassWidth(pass, h.Width);
    const std::uint32_t rowBytes = PixelInfoFor(passWidth, h.BitDepth, h.ColorType).rowBytes;
    if (rowBytes == 0) continue;
    std::fill(s.rows[1 - s.current].begin(), s.rows[1 - s.current].end(), 0);
    for (std::uint32_t y = pass.startRow; y < h.Height; y += pass.rowStep) {
      if (IDATZlibRead(s, s.Current(), rowBytes + 1) == 0) break;
      FilterRow(s, rowBytes);
      s.convert(s.convertContext, s.Current() + 1, png.GetScanline(y),
                alpha ? alpha + std::size_t{y} * h.Width : nullptr, passWidth, pass.startColumn,
                pass.columnStep);
      s.Swap();
    }
  }
}
