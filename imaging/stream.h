#pragma once
// Byte streams the picture classes read from and write to: memory and files.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to count bytes into buffer; returns how many were read (0 at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes count bytes; returns how many were written.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  // Moves the position; a position beyond the end is allowed and reads nothing there.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual std::int64_t Size() = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  // Bytes between the position and the end, 0 when the position is at or past the end.
  std::int64_t Remaining();
  // Writes all bytes; a short write raises EFCreateError.
  void WriteBuffer(const void* buffer, std::size_t count);
};

// A growable block of memory. Reading past the end delivers what is there.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : data_(std::move(bytes)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }

  const std::vector<std::uint8_t>& Bytes() const { return data_; }

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t pos_ = 0;
};

enum class TFileMode { fmOpenRead, fmCreate };

// A file on disk, named in UTF-8. Opening failures raise EFOpenError or EFCreateError.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& utf8Name, TFileMode mode);

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override;

 private:
  std::filebuf file_;
};

// Reads a whole file into memory.
std::vector<std::uint8_t> ReadFileBytes(const std::string& utf8Name);
