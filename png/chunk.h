#pragma once
// The generic chunk: its type, its data and the framing (length, type, data, CRC) it is read and
// written in. Every chunk class derives from it; an unregistered type stays a plain TChunk whose
// data is written back byte for byte.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TChunk;
class TChunkIHDR;
class TPNGObject;
class TStream;

using TChunkName = std::array<char, 4>;

// A class reference: what the registry, the factory and TPNGList::Add work with.
struct TChunkClassInfo {
  const char* className;           // "TChunkIHDR"; the type name is what follows "TChunk"
  const TChunkClassInfo* parent;   // the class it derives from, null for TChunk
  std::unique_ptr<TChunk> (*create)(TPNGObject& owner);
};
using TChunkClass = const TChunkClassInfo*;

// The virtual constructor a class reference carries.
template <class T>
std::unique_ptr<TChunk> CreateChunkOf(TPNGObject& owner) {
  return std::make_unique<T>(owner);
}

class TChunk {
 public:
  static const TChunkClassInfo ClassInfo;

  // Sets the type from the class's name when that has four letters (not for TChunk itself).
  explicit TChunk(TPNGObject& owner, TChunkClass chunkClass = &ClassInfo);
  virtual ~TChunk() = default;
  TChunk(const TChunk&) = delete;
  TChunk& operator=(const TChunk&) = delete;

  virtual TChunkClass ClassType() const { return &ClassInfo; }
  // The type a class stands for: its class name without the leading "TChunk".
  static std::string GetName(TChunkClass chunkClass);
  bool InheritsFrom(TChunkClass chunkClass) const;

  virtual void Assign(const TChunk& source);
  // Reads size data bytes and the CRC that follows; raises EPngInvalidCRC when they disagree.
  virtual bool LoadFromStream(TStream& stream, const TChunkName& name, std::uint32_t size);
  virtual bool SaveToStream(TStream& stream);

  void ResizeData(std::uint32_t size);
  int GetIndex() const;
  TChunkIHDR& GetHeader() const;
  std::string GetChunkName() const { return std::string(name_.data(), 4); }

  TPNGObject& Owner() const { return owner_; }
  const TChunkName& Name() const { return name_; }
  void SetName(const TChunkName& name) { name_ = name; }
  std::uint8_t* Data() { return data_.data(); }
  const std::uint8_t* Data() const { return data_.data(); }
  std::uint32_t DataSize() const { return dataSize_; }

 protected:
  // Writes length, type, data and CRC as they stand.
  bool SaveData(TStream& stream);

 private:
  TPNGObject& owner_;
  TChunkName name_{};
  std::vector<std::uint8_t> data_;  // always dataSize_ + 1 bytes
  std::uint32_t dataSize_ = 0;
};

// CRC of a chunk's type followed by its data, as stored after the data.
std::uint32_t ChunkCrc(const TChunkName& name, const std::uint8_t* data, std::uint32_t size);
