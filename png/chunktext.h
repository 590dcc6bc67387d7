#pragma once
// tEXt and zTXt: a keyword and a text, the latter stored deflated in zTXt.
#include <string>

#include "png/chunk.h"

class TChunktEXt : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunktEXt(TPNGObject& owner) : TChunk(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }

  void Assign(const TChunk& source) override;
  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;
  bool SaveToStream(TStream& stream) override;

  std::string Keyword;
  std::string Text;

 protected:
  TChunktEXt(TPNGObject& owner, TChunkClass chunkClass) : TChunk(owner, chunkClass) {}
};

class TChunkzTXt : public TChunktEXt {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunkzTXt(TPNGObject& owner) : TChunktEXt(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }

  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;
  bool SaveToStream(TStream& stream) override;
};
