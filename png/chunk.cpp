#include "png/chunk.h"

#include <cstring>

#include "imaging/stream.h"
#include "png/chunkiend.h"
#include "png/chunkihdr.h"
#include "png/crc.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"

const TChunkClassInfo TChunk::ClassInfo{"TChunk", nullptr, &CreateChunkOf<TChunk>};

TChunk::TChunk(TPNGObject& owner, TChunkClass chunkClass) : owner_(owner), data_(1, 0) {
  const std::string name = GetName(chunkClass);
  if (name.size() == 4) std::memcpy(name_.data(), name.data(), 4);
}

std::string TChunk::GetName(TChunkClass chunkClass) {
  return std::string(chunkClass->className).substr(6);
}

bool TChunk::InheritsFrom(TChunkClass chunkClass) const {
  for (TChunkClass c = ClassType(); c; c = c->parent)
    if (c == chunkClass) return true;
  return false;
}

void TChunk::Assign(const TChunk& source) {
  name_ = source.name_;
  ResizeData(source.dataSize_);
  std::memcpy(data_.data(), source.data_.data(), source.dataSize_);
}

void TChunk::ResizeData(std::uint32_t size) {
  data_.resize(std::size_t{size} + 1);
  dataSize_ = size;
}

int TChunk::GetIndex() const {
  const TPNGList& list = owner_.Chunks();
  for (std::size_t i = 0; i < list.Count(); ++i)
    if (list.Item(i) == this) return static_cast<int>(i);
  return -1;
}

TChunkIHDR& TChunk::GetHeader() const { return owner_.GetHeader(); }

std::uint32_t ChunkCrc(const TChunkName& name, const std::uint8_t* data, std::uint32_t size) {
  std::uint32_t crc = update_crc(0xFFFFFFFFu, name.data(), 4);
  return ~update_crc(crc, data, size);
}

bool TChunk::LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size) {
  // A length the stream cannot hold is refused before a buffer of that size is allocated.
  if (size > stream.Remaining()) RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
  ResizeData(size);
  if (size > 0) stream.Read(data_.data(), size);
  std::uint8_t stored[4] = {};
  const bool complete = stream.Read(stored, 4) == 4;
  if (!complete || ReadBE32(stored) != ChunkCrc(name, data_.data(), size))
    RaiseError<EPngInvalidCRC>(EPngInvalidCRCText);
  return true;
}

bool TChunk::SaveData(TStream& stream) {
  std::uint8_t length[4];
  WriteBE32(length, dataSize_);
  stream.WriteBuffer(length, 4);
  stream.WriteBuffer(name_.data(), 4);
  if (dataSize_ != 0) stream.WriteBuffer(data_.data(), dataSize_);
  std::uint8_t crc[4];
  WriteBE32(crc, ChunkCrc(name_, data_.data(), dataSize_));
  stream.WriteBuffer(crc, 4);
  return true;
}

bool TChunk::SaveToStream(TStream& stream) { return SaveData(stream); }

const TChunkClassInfo TChunkIEND::ClassInfo{"TChunkIEND", &TChunk::ClassInfo,
                                            &CreateChunkOf<TChunkIEND>};
