#pragma once
// tRNS: the alpha of each palette index, or the one transparent gray or colour sample.
#include <cstdint>

#include "png/chunk.h"

class TChunktRNS : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunktRNS(TPNGObject& owner) : TChunk(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }

  void Assign(const TChunk& source) override;
  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;
  bool SaveToStream(TStream& stream) override;
  // Makes `colour` (an RGB value, red in the low byte) the one transparent colour.
  void SetTransparentColor(std::uint32_t colour);

  std::uint8_t PaletteValues[256] = {};
  // Set when transparency is one colour fully transparent and everything else opaque.
  bool BitTransparency = false;
};
