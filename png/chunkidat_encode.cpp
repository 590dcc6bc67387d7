// Writing the image as IDAT chunks: rows converted, filtered and deflated one at a time, the
// compressed stream cut into chunks of the object's maximum IDAT size.
#include <zlib.h>

#include <cstring>
#include <vector>

#include "imaging/exception.h"
#include "imaging/stream.h"
#include "png/adam7.h"
#include "png/chunkidat.h"
#include "png/chunkihdr.h"
#include "png/crc.h"
#include "png/pngobject.h"
#include "png/rowencode.h"

namespace {

void WriteIdatChunk(TStream& stream, const std::uint8_t* data, std::uint32_t size) {
  std::uint8_t head[8];
  WriteBE32(head, size);
  std::memcpy(head + 4, "IDAT", 4);
  stream.WriteBuffer(head, 8);
  stream.WriteBuffer(data, size);
  std::uint8_t crc[4];
  WriteBE32(crc, ~update_crc(update_crc(0xFFFFFFFFu, "IDAT", 4), data, size));
  stream.WriteBuffer(crc, 4);
}

// The deflate stream and its output buffer; a full buffer becomes one IDAT chunk.
class IdatWriter {
 public:
  IdatWriter(TStream& stream, int level, std::uint32_t bufferSize)
      : stream_(stream), out_(bufferSize) {
    if (deflateInit2(&z_, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
      throw EOutOfMemory("Out of memory");
    Reset();
  }
  ~IdatWriter() { deflateEnd(&z_); }
  IdatWriter(const IdatWriter&) = delete;
  IdatWriter& operator=(const IdatWriter&) = delete;

  // IDATZlibWrite: everything given goes through deflate without flushing.
  void Write(const std::uint8_t* bytes, std::uint32_t count) {
    z_.next_in = const_cast<Bytef*>(bytes);
    z_.avail_in = count;
    while (z_.avail_in > 0) {
      deflate(&z_, Z_NO_FLUSH);
      if (z_.avail_out == 0) Flush();
    }
  }

  // FinishIDATZlib: the end of the stream, and the last, partly filled chunk.
  void Finish() {
    z_.avail_in = 0;
    while (deflate(&z_, Z_FINISH) != Z_STREAM_END) Flush();
    if (z_.avail_out < out_.size()) Flush();
  }

 private:
  void Flush() {
    WriteIdatChunk(stream_, out_.data(), static_cast<std::uint32_t>(out_.size() - z_.avail_out));
    Reset();
  }
  void Reset() {
    z_.next_out = out_.data();
    z_.avail_out = static_cast<uInt>(out_.size());
  }
  TStream& stream_;
  std::vector<std::uint8_t> out_;
  z_stream z_{};
};

// One raw row, filter buffer 0 (the previous raw row) and the buffers of the filter set.
struct RowBuffers {
  std::vector<std::uint8_t> raw, previous, candidates[5];
  TFilterBuffers filter{};

  RowBuffers(std::uint32_t rowBytes, TFilters filters) : raw(rowBytes), previous(rowBytes) {
    filter.previous = previous.data();
    for (int i = 1; i <= 4; ++i) {
      if (filters & FilterBit(static_cast<TFilter>(i))) candidates[i].assign(rowBytes, 0);
      filter.filtered[i] = candidates[i].data();
    }
  }
};

}  // namespace

bool TChunkIDAT::SaveToStream(TStream& stream) {
  TPNGObject& png = Owner();
  const TChunkIHDR& header = GetHeader();
  const TIHDRData& h = header.IHDRData;
  const TPixelInfo info = png.GetPixelInfo();
  const TRowEncoder encode = RowEncoderFor(h.ColorType, h.BitDepth, png.InverseIsIdentity());
  if (!encode) return true;
  RowBuffers rows(info.rowBytes, png.Filters);
  IdatWriter writer(stream, png.CompressionLevel, png.MaxIdatSize());
  const std::uint8_t* alphaPlane = header.ImageAlpha.empty() ? nullptr : header.ImageAlpha.data();

  auto writeRow = [&](std::uint32_t y, std::uint32_t count, std::uint32_t start, std::uint32_t step,
                      std::uint32_t rowBytes) {
    encode(png.InverseTable, png.GetScanline(y),
           alphaPlane ? alphaPlane + std::size_t{y} * h.Width : nullptr, rows.raw.data(), count,
           start, step);
    const std::uint8_t type =
        FilterToEncode(png.Filters, rows.raw.data(), rows.filter, rowBytes, info.offset);
    writer.Write(&type, 1);
    writer.Write(rows.filter.filtered[type], rowBytes);
  };

  if (png.InterlaceMethod == TInterlaceMethod::imNone) {
    for (std::uint32_t y = 0; y < h.Height; ++y) writeRow(y, h.Width, 0, 1, info.rowBytes);
  } else {
    for (const Adam7Pass& pass : kAdam7Passes) {
      const std::uint32_t width = Adam7PassWidth(pass, h.Width);
      const std::uint32_t rowBytes = PixelInfoFor(width, h.BitDepth, h.ColorType).rowBytes;
      if (rowBytes == 0) continue;
      std::fill(rows.previous.begin(), rows.previous.end(), 0);
      for (std::uint32_t y = pass.startRow; y < h.Height; y += pass.rowStep)
        writeRow(y, width, pass.startColumn, pass.columnStep, rowBytes);
    }
  }
  writer.Finish();
  return true;
}
