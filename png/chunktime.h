#pragma once
// tIME: the time of the image's last change.
#include <cstdint>

#include "png/chunk.h"

class TChunktIME : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunktIME(TPNGObject& owner) : TChunk(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }

  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;
  bool SaveToStream(TStream& stream) override;

  std::uint16_t Year = 0;
  std::uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};
