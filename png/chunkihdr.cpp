#include "png/chunkihdr.h"

#include <algorithm>
#include <cstring>

#include "imaging/stream.h"
#include "png/crc.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pnglimits.h"
#include "png/pngobject.h"

const TChunkClassInfo TChunkIHDR::ClassInfo{"TChunkIHDR", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunkIHDR>};

std::uint16_t BufferBitsPerPixel(std::uint8_t colorType, std::uint8_t bitDepth) {
  switch (colorType) {
    case COLOR_GRAYSCALE:
      return bitDepth == 1 || bitDepth == 4 || bitDepth == 8 ? bitDepth
             : bitDepth == 2                                 ? 4
             : bitDepth == 16                                ? 8
                                                             : 0;
    case COLOR_PALETTE:
      return bitDepth == 1 || bitDepth == 4 || bitDepth == 8 ? bitDepth : bitDepth == 2 ? 4 : 0;
    case COLOR_RGB:
    case COLOR_RGBALPHA:
      return bitDepth == 8 || bitDepth == 16 ? 24 : 0;
    case COLOR_GRAYSCALEALPHA:
      return bitDepth == 8 || bitDepth == 16 ? 8 : 0;
    default:
      return 0;
  }
}

bool TChunkIHDR::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunk::LoadFromStream(stream, name, size);
  if (DataSize() < 13) RaiseError<EPngInvalidIHDR>(EPNGInvalidIHDRText);
  const std::uint8_t* d = Data();
  IHDRData.Width = ReadBE32(d);
  IHDRData.Height = ReadBE32(d + 4);
  IHDRData.BitDepth = d[8];
  IHDRData.ColorType = d[9];
  IHDRData.CompressionMethod = d[10];
  IHDRData.FilterMethod = d[11];
  IHDRData.InterlaceMethod = d[12];
  if (IHDRData.Width > PngLimits::kMaxSide || IHDRData.Height > PngLimits::kMaxSide)
    RaiseError<EPNGSizeExceeds>(EPNGSizeExceedsText);
  if (IHDRData.CompressionMethod != 0)
    RaiseError<EPNGUnknownCompression>(EPNGUnknownCompressionText);
  if (IHDRData.InterlaceMethod > 1) RaiseError<EPNGUnknownInterlace>(EPNGUnknownInterlaceText);
  // An empty image or a format the decoder has no row layout for cannot be shown: refuse it
  // here rather than keep a header without a buffer.
  if (IHDRData.Width == 0 || IHDRData.Height == 0 ||
      BufferBitsPerPixel(IHDRData.ColorType, IHDRData.BitDepth) == 0)
    RaiseError<EPngInvalidIHDR>(EPNGInvalidIHDRText);
  Owner().InterlaceMethod =
      IHDRData.InterlaceMethod == 1 ? TInterlaceMethod::imAdam7 : TInterlaceMethod::imNone;
  PrepareImageData();
  return true;
}

bool TChunkIHDR::SaveToStream(TStream& stream) {
  // 2-bit images are held at 4 bits per pixel, so they are written as 4-bit ones.
  if (IHDRData.BitDepth == 2) IHDRData.BitDepth = 4;
  ResizeData(13);
  std::uint8_t* d = Data();
  WriteBE32(d, IHDRData.Width);
  WriteBE32(d + 4, IHDRData.Height);
  d[8] = IHDRData.BitDepth;
  d[9] = IHDRData.ColorType;
  d[10] = IHDRData.CompressionMethod;
  d[11] = IHDRData.FilterMethod;
  // The method the IDAT writer uses is the object's, so that is what the header says.
  d[12] = Owner().InterlaceMethod == TInterlaceMethod::imAdam7 ? 1 : 0;
  return SaveData(stream);
}

void TChunkIHDR::FreeImageData() {
  ImageData = {};
  ImageAlpha = {};
}

void TChunkIHDR::PrepareImageData() {
  BitmapInfo = {};
  FreeImageData();
  const std::uint16_t bits = BufferBitsPerPixel(IHDRData.ColorType, IHDRData.BitDepth);
  HasPalette = bits <= 8;
  TBitmapInfoHeader& h = BitmapInfo.bmiHeader;
  h.biSize = sizeof(TBitmapInfoHeader);
  h.biWidth = static_cast<std::int32_t>(IHDRData.Width);
  h.biHeight = static_cast<std::int32_t>(IHDRData.Height);
  h.biPlanes = 1;
  h.biBitCount = bits;
  h.biCompression = BI_RGB_;

  // Width and height are at most 65535, so these products fit 64 bits with room to spare.
  const std::uint64_t rowBytes = DibRowBytes(IHDRData.Width, bits);
  const std::uint64_t pixels = rowBytes * IHDRData.Height;
  const bool hasAlpha =
      IHDRData.ColorType == COLOR_GRAYSCALEALPHA || IHDRData.ColorType == COLOR_RGBALPHA;
  const std::uint64_t alpha = hasAlpha ? std::uint64_t{IHDRData.Width} * IHDRData.Height : 0;
  if (pixels + alpha > PngLimits::kMaxImageBytes) RaiseError<EPNGOutMemory>(EPNGOutMemoryText);

  BytesPerRow = static_cast<std::uint32_t>(rowBytes);
  ImageAlpha.assign(static_cast<std::size_t>(alpha), 0);
  Owner().DeletePaletteHandle();
  ImageData.assign(static_cast<std::size_t>(pixels), 0);
}

void TChunkIHDR::Assign(const TChunk& source) {
  const auto* header = dynamic_cast<const TChunkIHDR*>(&source);
  if (!header) RaiseError<EPngError>(EPNGCannotAssignChunkText);
  IHDRData = header->IHDRData;
  PrepareImageData();
  std::copy(header->ImageData.begin(), header->ImageData.end(), ImageData.begin());
  std::copy(header->ImageAlpha.begin(), header->ImageAlpha.end(), ImageAlpha.begin());
  std::memcpy(BitmapInfo.bmiColors, header->BitmapInfo.bmiColors, sizeof(BitmapInfo.bmiColors));
}
