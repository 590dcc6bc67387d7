#include "png/chunkplte.h"

#include "png/chunkihdr.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"

const TChunkClassInfo TChunkPLTE::ClassInfo{"TChunkPLTE", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunkPLTE>};

bool TChunkPLTE::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunk::LoadFromStream(stream, name, size);
  if (size % 3 != 0 || size / 3 > 256) RaiseError<EPNGInvalidPalette>(EPNGInvalidPaletteText);
  count_ = size / 3;
  const std::uint8_t* gamma = Owner().GammaTable;
  TRGBQuad* colors = GetHeader().BitmapInfo.bmiColors;
  const std::uint8_t* d = Data();
  for (std::uint32_t i = 0; i < count_; ++i, d += 3)
    colors[i] = TRGBQuad{gamma[d[2]], gamma[d[1]], gamma[d[0]], 0};
  return true;
}

TRGBQuad& TChunkPLTE::GetPaletteItem(std::uint32_t index) {
  if (index >= count_) RaiseError<EPngError>(EPNGUnknownPalEntryText);
  return GetHeader().BitmapInfo.bmiColors[index];
}

bool TChunkPLTE::SaveToStream(TStream& stream) {
  ResizeData(count_ * 3);
  const std::uint8_t* inverse = Owner().InverseTable;
  const TRGBQuad* colors = GetHeader().BitmapInfo.bmiColors;
  std::uint8_t* d = Data();
  for (std::uint32_t i = 0; i < count_; ++i, d += 3) {
    d[0] = inverse[colors[i].rgbRed];
    d[1] = inverse[colors[i].rgbGreen];
    d[2] = inverse[colors[i].rgbBlue];
  }
  return SaveData(stream);
}

void TChunkPLTE::Assign(const TChunk& source) {
  const auto* palette = dynamic_cast<const TChunkPLTE*>(&source);
  if (!palette) RaiseError<EPngError>(EPNGCannotAssignChunkText);
  count_ = palette->count_;
}
