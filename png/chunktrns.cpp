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

bool TChunktRNS::SaveToStream(TStream& stream) {
  if (DataSize() <= 256) std::memcpy(Data(), PaletteValues, DataSize());
  return SaveData(stream);
}

void TChunktRNS::SetTransparentColor(std::uint32_t colour) {
  const std::uint8_t red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  std::fill(std::begin(PaletteValues), std::end(PaletteValues), 0);
  BitTransparency = true;
  const TChunkIHDR& header = GetHeader();
  switch (header.IHDRData.ColorType) {
    case COLOR_GRAYSCALE:
      ResizeData(2);
      PaletteValues[1] = red;
      break;
    case COLOR_RGB:
      ResizeData(6);
      PaletteValues[1] = red;
      PaletteValues[3] = green;
      PaletteValues[5] = blue;
      break;
    case COLOR_PALETTE: {
      std::uint32_t index = 0;
      for (std::uint32_t i = 0; i < 256; ++i) {
        const TRGBQuad& c = header.BitmapInfo.bmiColors[i];
        if (c.rgbBlue == blue && c.rgbGreen == green && c.rgbRed == red) {
          index = i;
          break;
        }
      }
      std::fill(PaletteValues, PaletteValues + index, 255);
      ResizeData(index + 1);
      break;
    }
    default:
      break;
  }
}

void TChunktRNS::Assign(const TChunk& source) {
  TChunk::Assign(source);
  if (const auto* trns = dynamic_cast<const TChunktRNS*>(&source)) {
    std::memcpy(PaletteValues, trns->PaletteValues, sizeof(PaletteValues));
    BitTransparency = trns->BitTransparency;
  }
}
