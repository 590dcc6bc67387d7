#include "png/chunktime.h"

const TChunkClassInfo TChunktIME::ClassInfo{"TChunktIME", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunktIME>};

bool TChunktIME::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunk::LoadFromStream(stream, name, size);
  if (size == 7) {
    const std::uint8_t* d = Data();
    Year = static_cast<std::uint16_t>((d[0] << 8) | d[1]);
    Month = d[2];
    Day = d[3];
    Hour = d[4];
    Minute = d[5];
    Second = d[6];
  }
  return true;
}

bool TChunktIME::SaveToStream(TStream& stream) {
  ResizeData(7);
  std::uint8_t* d = Data();
  d[0] = static_cast<std::uint8_t>(Year >> 8);
  d[1] = static_cast<std::uint8_t>(Year);
  d[2] = Month;
  d[3] = Day;
  d[4] = Hour;
  d[5] = Minute;
  d[6] = Second;
  return SaveData(stream);
}
