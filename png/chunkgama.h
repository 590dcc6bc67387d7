#pragma once
// gAMA: the file's gamma, gamma x 100000 in its 4 data bytes. Reading it sets the object's gamma
// tables, which the chunks read after it (PLTE, IDAT) apply.
#include <cstdint>

#include "png/chunk.h"

class TChunkgAMA : public TChunk {
 public:
  static const TChunkClassInfo ClassInfo;
  // A new gAMA chunk holds the value 1.
  explicit TChunkgAMA(TPNGObject& owner);
  TChunkClass ClassType() const override { return &ClassInfo; }

  void Assign(const TChunk& source) override;
  bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) override;

  // The data as a big-endian value; data of another size than 4 is reset to the value 1.
  std::uint32_t GetValue();
  void SetValue(std::uint32_t value);
};

// Fills gamma[i] = round((i / 255) ^ (1 / (g / 100000 * 2.2)) * 255) and, for each value reached,
// inverse[v] = the largest i that maps to it. g = 0 leaves both tables as they are.
void BuildGammaTables(std::uint32_t g, std::uint8_t gamma[256], std::uint8_t inverse[256]);
