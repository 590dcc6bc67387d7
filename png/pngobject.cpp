#include "png/pngobject.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "imaging/bitmap.h"
#include "imaging/stream.h"
#include "png/chunkidat.h"
#include "png/chunkiend.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunkregistry.h"
#include "png/chunktext.h"
#include "png/chunktrns.h"
#include "png/crc.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"

const std::uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

TPixelInfo PixelInfoFor(std::uint32_t width, std::uint8_t bitDepth, std::uint8_t colorType) {
  const std::uint64_t w = width, d = bitDepth;
  switch (colorType) {
    case COLOR_GRAYSCALE:
      return {static_cast<std::uint32_t>((w * d + 7) / 8), d == 16 ? 2u : 1u};
    case COLOR_PALETTE:
      return {static_cast<std::uint32_t>((w * d + 7) / 8), 1};
    case COLOR_RGB:
      return {static_cast<std::uint32_t>(w * d * 3 / 8), static_cast<std::uint32_t>(d * 3 / 8)};
    case COLOR_GRAYSCALEALPHA:
      return {static_cast<std::uint32_t>(w * d * 2 / 8), static_cast<std::uint32_t>(d / 4)};
    case COLOR_RGBALPHA:
      return {static_cast<std::uint32_t>(w * d * 4 / 8), static_cast<std::uint32_t>(d / 2)};
    default:
      return {};
  }
}

TPNGObject::TPNGObject() : chunks_(this) { InitializeGamma(); }

TPNGObject::~TPNGObject() { ClearChunks(); }

void TPNGObject::InitializeGamma() {
  for (int i = 0; i < 256; ++i) GammaTable[i] = InverseTable[i] = static_cast<std::uint8_t>(i);
}

bool TPNGObject::GammaIsIdentity() const {
  for (int i = 0; i < 256; ++i)
    if (GammaTable[i] != i) return false;
  return true;
}

bool TPNGObject::InverseIsIdentity() const {
  for (int i = 0; i < 256; ++i)
    if (InverseTable[i] != i) return false;
  return true;
}

void TPNGObject::ClearChunks() {
  InitializeGamma();
  chunks_.Clear();
}

bool TPNGObject::HeaderPresent() const {
  const TChunk* first = chunks_.Item(0);
  return first && first->ClassType() == &TChunkIHDR::ClassInfo;
}

TChunkIHDR& TPNGObject::GetHeader() const {
  if (!HeaderPresent()) RaiseError<EPNGHeaderNotPresent>(EPNGHeaderNotPresentText);
  return *static_cast<TChunkIHDR*>(chunks_.Item(0));
}

int TPNGObject::GetWidth() const {
  return HeaderPresent() ? static_cast<int>(GetHeader().IHDRData.Width) : 0;
}

int TPNGObject::GetHeight() const {
  return HeaderPresent() ? static_cast<int>(GetHeader().IHDRData.Height) : 0;
}

void TPNGObject::SetWidth(int) { RaiseError<EPngError>(EPNGCannotChangeSizeText); }
void TPNGObject::SetHeight(int) { RaiseError<EPngError>(EPNGCannotChangeSizeText); }

TPixelInfo TPNGObject::GetPixelInfo() const {
  if (!HeaderPresent()) return {};
  const TIHDRData& h = GetHeader().IHDRData;
  return PixelInfoFor(h.Width, h.BitDepth, h.ColorType);
}

std::uint8_t* TPNGObject::GetScanline(std::uint32_t row) const {
  TChunkIHDR& h = GetHeader();
  const std::size_t stored = std::size_t{h.IHDRData.Height} - 1 - row;
  return h.ImageData.data() + stored * h.BytesPerRow;
}

std::uint8_t* TPNGObject::GetAlphaScanline(std::uint32_t row) const {
  TChunkIHDR& h = GetHeader();
  if (h.ImageAlpha.empty()) return nullptr;
  return h.ImageAlpha.data() + std::size_t{row} * h.IHDRData.Width;
}

void TPNGObject::SetMaxIdatSize(std::uint32_t value) {
  maxIdatSize_ = value < 65535 ? 65535 : value;
}

void TPNGObject::AddtEXt(const std::string& keyword, const std::string& text) {
  TChunktEXt* chunk = chunks_.Add<TChunktEXt>();
  chunk->Keyword = keyword;
  chunk->Text = text;
}

void TPNGObject::AddzTXt(const std::string& keyword, const std::string& text) {
  TChunkzTXt* chunk = chunks_.Add<TChunkzTXt>();
  chunk->Keyword = keyword;
  chunk->Text = text;
}

void TPNGObject::LoadFromStream(TStream& stream) {
  ClearChunks();
  std::uint8_t signature[8] = {};
  if (stream.Read(signature, 8) != 8 || std::memcmp(signature, kPngSignature, 8) != 0)
    RaiseError<EPNGInvalidFileHeader>(EPNGInvalidFileHeaderText);
  LoadChunks(stream);
}

// The chunk loop: every chunk is read, checked and stored in file order until IEND. A failure
// leaves the chunks read so far, the failing one included.
void TPNGObject::LoadChunks(TStream& stream) {
  bool hasImageData = false;
  chunks_.SetSize(10);
  std::size_t counter = 0;
  TChunkName type{};
  do {
    ++counter;
    if (chunks_.Count() < counter) chunks_.SetSize(chunks_.Count() + 10);
    std::uint8_t length[4];
    if (stream.Read(length, 4) == 0) {
      chunks_.Trim(counter - 1);
      RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
    }
    const std::uint32_t size = ReadBE32(length);
    type = {};
    stream.Read(type.data(), 4);
    if (counter == 1 && std::memcmp(type.data(), "IHDR", 4) != 0) {
      chunks_.Clear();
      RaiseError<EPNGIHDRNotFirst>(EPNGIHDRNotFirstText);
    }
    const bool isIDAT = std::memcmp(type.data(), "IDAT", 4) == 0;
    if ((isIDAT && hasImageData) || std::memcmp(type.data(), "cHRM", 4) == 0) {
      // IDAT chunks the decoder did not need, and chromaticities, which are never used.
      --counter;
      stream.Seek(std::int64_t{size} + 4, TSeekOrigin::soCurrent);
      continue;
    }
    hasImageData = hasImageData || isIDAT;
    TChunk* chunk = CreateChunk(*this, type).release();
    chunks_.SetItem(counter - 1, chunk);
    try {
      if (chunk->ClassType() == &TChunk::ClassInfo && (type[0] & 0x20) == 0)
        RaiseError<EPNGUnknownCriticalChunk>(EPNGUnknownCriticalChunkText);
      if (!chunk->LoadFromStream(stream, type, size)) break;
    } catch (...) {
      chunks_.Trim(counter);
      throw;
    }
  } while (std::memcmp(type.data(), "IEND", 4) != 0);
  chunks_.Trim(counter);
  if (!hasImageData) RaiseError<EPNGNoImageData>(EPNGNoImageDataText);
}

void TPNGObject::SaveToStream(TStream& stream) const {
  stream.WriteBuffer(kPngSignature, 8);
  for (std::size_t i = 0; i < chunks_.Count(); ++i) chunks_.Item(i)->SaveToStream(stream);
}

void TPNGObject::AssignPNG(const TPNGObject& source) {
  InterlaceMethod = source.InterlaceMethod;
  SetMaxIdatSize(source.maxIdatSize_);
  CompressionLevel = source.CompressionLevel;
  Filters = source.Filters;
  ClearChunks();
  chunks_.SetSize(source.chunks_.Count());
  for (std::size_t i = 0; i < source.chunks_.Count(); ++i) {
    const TChunk* from = source.chunks_.Item(i);
    TChunk* chunk = from->ClassType()->create(*this).release();
    chunks_.SetItem(i, chunk);
    chunk->Assign(*from);
  }
}

void TPNGObject::Assign(const TGraphic& source) {
  if (const auto* png = dynamic_cast<const TPNGObject*>(&source)) {
    AssignPNG(*png);
    return;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
    AssignHandle(*bitmap, bitmap->Transparent, bitmap->TransparentColor);
    return;
  }
  TGraphic::Assign(source);
}

void TPNGObject::AssignHandle(const TBitmap& bitmap, bool transparent, std::uint32_t colour) {
  const int bits = bitmap.BitsPerPixel();
  const bool palette = bits < 16;
  if (bitmap.GetEmpty()) RaiseError<EPngInvalidIHDR>(EPNGInvalidIHDRText);
  ClearChunks();
  auto* header = chunks_.Append<TChunkIHDR>();
  TChunkPLTE* plte = palette ? chunks_.Append<TChunkPLTE>() : nullptr;
  TChunktRNS* trns = transparent ? chunks_.Append<TChunktRNS>() : nullptr;
  chunks_.Append<TChunkIDAT>();
  chunks_.Append<TChunkIEND>();

  TIHDRData& h = header->IHDRData;
  h.Width = static_cast<std::uint32_t>(bitmap.GetWidth());
  h.Height = static_cast<std::uint32_t>(bitmap.GetHeight());
  h.BitDepth = static_cast<std::uint8_t>(palette ? bits : 8);
  h.ColorType = palette ? COLOR_PALETTE : COLOR_RGB;
  header->PrepareImageData();
  bitmap.BottomUpPixelsInto(palette ? bits : 24, header->ImageData.data());
  if (palette) {
    const std::size_t n = std::min<std::size_t>(bitmap.Colors.size(), 256);
    std::copy(bitmap.Colors.begin(), bitmap.Colors.begin() + n, header->BitmapInfo.bmiColors);
    plte->SetCount(1u << bits);
  }
  if (trns) trns->SetTransparentColor(colour);
}

void TPNGObject::AssignTo(TGraphic& destination) const {
  if (auto* png = dynamic_cast<TPNGObject*>(&destination)) {
    png->AssignPNG(*this);
    return;
  }
  // A bitmap gets the pixel buffer at its own depth; the alpha plane is not carried over, and
  // a colour-key image marks its bitmap transparent in that colour.
  if (auto* bitmap = dynamic_cast<TBitmap*>(&destination); bitmap && HeaderPresent()) {
    *bitmap = ImageBitmap();
    if (GetTransparencyMode() == TPNGTransparencyMode::ptmBit) {
      bitmap->Transparent = true;
      bitmap->TransparentColor = GetTransparentColor();
    }
    return;
  }
  TGraphic::AssignTo(destination);
}
