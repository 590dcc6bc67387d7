#include "png/chunkgama.h"

#include <cmath>

#include "png/crc.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"

const TChunkClassInfo TChunkgAMA::ClassInfo{"TChunkgAMA", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunkgAMA>};

TChunkgAMA::TChunkgAMA(TPNGObject& owner) : TChunk(owner, &ClassInfo) { SetValue(1); }

std::uint32_t TChunkgAMA::GetValue() {
  if (DataSize() != 4) {
    SetValue(1);
    return 1;
  }
  return ReadBE32(Data());
}

void TChunkgAMA::SetValue(std::uint32_t value) {
  ResizeData(4);
  WriteBE32(Data(), value);
}

void BuildGammaTables(std::uint32_t g, std::uint8_t gamma[256], std::uint8_t inverse[256]) {
  if (g == 0) return;
  const double exponent = 1.0 / (g / 100000.0 * 2.2);
  for (int i = 0; i < 256; ++i) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double v = std::nearbyint(std::pow(i / 255.0, exponent) * 255.0);
    const auto value = static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    gamma[i] = value;
    inverse[value] = static_cast<std::uint8_t>(i);
  }
}

bool TChunkgAMA::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunk::LoadFromStream(stream, name, size);
  BuildGammaTables(GetValue(), Owner().GammaTable, Owner().InverseTable);
  return true;
}

void TChunkgAMA::Assign(const TChunk& source) {
  const auto* gama = dynamic_cast<const TChunkgAMA*>(&source);
  if (!gama) RaiseError<EPngError>(EPNGCannotAssignChunkText);
  SetValue(gama->DataSize() == 4 ? ReadBE32(gama->Data()) : 1);
}
