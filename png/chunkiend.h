#pragma once
// IEND: the end of the image; it carries nothing.
#include "png/chunk.h"

class TChunkIEND : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  explicit TChunkIEND(TPNGObject& owner) : TChunk(owner, &ClassInfo) {}
  TChunkClass ClassType() const override { return &ClassInfo; }
};
