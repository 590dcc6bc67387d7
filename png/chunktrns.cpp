#include "png/chunktrns.h"

#include <algorithm>
#include <cstring>

#include "png/chunkihdr.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"

const TChunkClassInfo TChunktRNS::ClassInfo{"TChunktRNS", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunktRNS>};

namespace {

// A palette's transparency is a bit mask when exactly one entry is not opaque, and that one is
// fully transparent.
bool IsBitTransparency(const std::uint8_t* values, std::uint32_t count) {
  std::uint32_t below = 0;
  bool thatIsZero = false;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (values[i] < 255) {
      ++below;
      thatIsZero = values[i] == 0;
    }
  }
  return below == 1 && thatIsZero;
}

}  // namespace

bool TChunktRNS::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunk::LoadFromStream(stream, name, size);
  if (size > 256) RaiseError<EPNGInvalidPalette>(EPNGInvalidPaletteText);
  std::fill(std::begin(PaletteValues), std::end(PaletteValues), 255);
  std::memcpy(PaletteValues, Data(), size);
  switch (GetHeader().IHDRData.ColorType) {
    case COLOR_GRAYSCALE:
    case COLOR_RGB:
      BitTransparency = true;
      break;
    case COLOR_PALETTE:
      BitTransparency = IsBitTransparency(PaletteValues, size);
      break;
    default:
      BitTransparency = false;
  }
  return true;
}

void TChunktRNS::Assign(const TChunk& source) {
  TChunk::Assign(source);
  if (const auto* trns = dynamic_cast<const TChunktRNS*>(&source)) {
    std::memcpy(PaletteValues, trns->PaletteValues, sizeof(PaletteValues));
    BitTransparency = trns->BitTransparency;
  }
}
