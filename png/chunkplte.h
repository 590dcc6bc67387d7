#pragma once
// PLTE: the palette. Its entries live in the header's colour table, through the gamma table.
#include "png/chunk.h"

struct TRGBQuad;

class TChunkPLTE : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunkPLTE(TPNGObject& owner) : TChunk(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }

  void Assign(const TChunk& source) override;
  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;
  bool SaveToStream(TStream& stream) override;

  // The colour-table entry; raises EPngError for an index at or beyond the entry count.
  TRGBQuad& GetPaletteItem(std::uint32_t index);
  std::uint32_t Count() const { return count_; }
  void SetCount(std::uint32_t count) { count_ = count; }

 private:
  std::uint32_t count_ = 0;
};
