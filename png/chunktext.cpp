#include "png/chunktext.h"

#include <cstring>
#include <optional>

#include <zlib.h>

#include "png/pnglimits.h"
#include "png/pngobject.h"

const TChunkClassInfo TChunktEXt::ClassInfo{"TChunktEXt", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunktEXt>};
const TChunkClassInfo TChunkzTXt::ClassInfo{"TChunkzTXt", &TChunktEXt::ClassInfo,
                                            &CreateChunkOf<TChunkzTXt>};

namespace {

// Inflates one complete zlib stream. Fails on a damaged stream, one that stops early, and one
// whose output would pass the text limit, so a small chunk cannot grow without end.
std::optional<std::string> InflateText(const std::uint8_t* data, std::size_t size) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return std::nullopt;
  std::string out;
  char piece[16384];
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(piece);
    z.avail_out = sizeof(piece);
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(piece, sizeof(piece) - z.avail_out);
    if (out.size() > PngLimits::kMaxInflatedText) rc = Z_MEM_ERROR;
  }
  inflateEnd(&z);
  if (rc != Z_STREAM_END) return std::nullopt;
  return out;
}

std::string DeflateText(const std::string& text, int level) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()), level);
  out.resize(size);
  return out;
}

}  // namespace

bool TChunktEXt::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunk::LoadFromStream(stream, name, size);
  if (size > 2) {
    const char* d = reinterpret_cast<const char*>(Data());
    const std::size_t keyLength = strnlen(d, size);
    Keyword.assign(d, keyLength);
    Text = keyLength < size ? std::string(d + keyLength + 1, size - keyLength - 1) : "";
  }
  return true;
}

bool TChunktEXt::SaveToStream(TStream& stream) {
  ResizeData(static_cast<std::uint32_t>(Keyword.size() + 1 + Text.size()));
  std::uint8_t* d = Data();
  std::memcpy(d, Keyword.data(), Keyword.size());
  d[Keyword.size()] = 0;
  std::memcpy(d + Keyword.size() + 1, Text.data(), Text.size());
  return SaveData(stream);
}

void TChunktEXt::Assign(const TChunk& source) {
  if (const auto* text = dynamic_cast<const TChunktEXt*>(&source)) {
    Keyword = text->Keyword;
    Text = text->Text;
  }
}

bool TChunkzTXt::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  TChunktEXt::LoadFromStream(stream, name, size);
  const std::size_t method = Keyword.size() + 1;  // the byte after the keyword's terminator
  if (size > 3 && method < size) {
    std::optional<std::string> text;
    if (Data()[method] == 0) text = InflateText(Data() + method + 1, size - method - 1);
    Text = text.value_or("");
  }
  return true;
}

bool TChunkzTXt::SaveToStream(TStream& stream) {
  if (Text.empty()) Text.assign(1, ' ');
  const std::string packed = DeflateText(Text, Owner().CompressionLevel);
  ResizeData(static_cast<std::uint32_t>(Keyword.size() + 2 + packed.size()));
  std::uint8_t* d = Data();
  std::memcpy(d, Keyword.data(), Keyword.size());
  d[Keyword.size()] = 0;
  d[Keyword.size() + 1] = 0;  // compression method: deflate
  std::memcpy(d + Keyword.size() + 2, packed.data(), packed.size());
  return SaveData(stream);
}
