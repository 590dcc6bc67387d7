#pragma once
// IDAT: the compressed image. Reading the first IDAT chunk decodes the whole image into the
// header's buffer, following the data across the IDAT chunks after it; nothing is kept in the
// chunk's own data.
#include <cstdint>

#include "png/chunk.h"

class TChunkIDAT : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunkIDAT(TPNGObject& owner) : TChunk(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }

  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;
  // Encodes the header's image as one zlib stream cut into IDAT chunks.
  bool SaveToStream(TStream& stream) override;

 private:
  struct DecodeState;
  void PreparePalette();
  std::uint32_t IDATZlibRead(DecodeState& s, std::uint8_t* buffer, std::uint32_t count);
  void NextIDATChunk(DecodeState& s);
  void DecodeNonInterlaced(DecodeState& s);
  void DecodeInterlacedAdam7(DecodeState& s);
  // Unfilters the current row buffer against the previous one.
  void FilterRow(DecodeState& s, std::uint32_t rowBytes);
  void FinishChunk(DecodeState& s);
};
