#include "imaging/stream.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "imaging/exception.h"
#include "imaging/utf8path.h"

std::int64_t TStream::Remaining() {
  const std::int64_t pos = Position();
  const std::int64_t size = Size();
  return pos < size ? size - pos : 0;
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (Write(buffer, count) != count) throw EFCreateError("Stream write error");
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const std::int64_t size = Size();
  if (pos_ >= size || count == 0) return 0;
  const std::size_t n = std::min<std::size_t>(count, static_cast<std::size_t>(size - pos_));
  std::memcpy(buffer, data_.data() + pos_, n);
  pos_ += static_cast<std::int64_t>(n);
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  const std::size_t end = static_cast<std::size_t>(pos_) + count;
  if (end > data_.size()) data_.resize(end);
  std::memcpy(data_.data() + pos_, buffer, count);
  pos_ = static_cast<std::int64_t>(end);
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = pos_;
  if (origin == TSeekOrigin::soEnd) base = Size();
  pos_ = std::max<std::int64_t>(0, base + offset);
  return pos_;
}

TFileStream::TFileStream(const std::string& utf8Name, TFileMode mode) {
  const bool create = mode == TFileMode::fmCreate;
  const auto flags = std::ios::binary | (create ? std::ios::out | std::ios::trunc : std::ios::in);
  if (!file_.open(PathFromUtf8(utf8Name), flags)) {
    if (create) throw EFCreateError("ファイル " + utf8Name + " を作成できません");
    throw EFOpenError("ファイル " + utf8Name + " は開けません");
  }
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  return static_cast<std::size_t>(
      file_.sgetn(static_cast<char*>(buffer), static_cast<std::streamsize>(count)));
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
  return static_cast<std::size_t>(
      file_.sputn(static_cast<const char*>(buffer), static_cast<std::streamsize>(count)));
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::ios::seekdir dir = std::ios::beg;
  if (origin == TSeekOrigin::soCurrent) dir = std::ios::cur;
  if (origin == TSeekOrigin::soEnd) dir = std::ios::end;
  return static_cast<std::int64_t>(file_.pubseekoff(offset, dir));
}

std::int64_t TFileStream::Size() {
  const auto here = file_.pubseekoff(0, std::ios::cur);
  const auto end = file_.pubseekoff(0, std::ios::end);
  file_.pubseekpos(here);
  return static_cast<std::int64_t>(end);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& utf8Name) {
  TFileStream file(utf8Name, TFileMode::fmOpenRead);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
  if (!bytes.empty() && file.Read(bytes.data(), bytes.size()) != bytes.size())
    throw EReadError("Stream read error");
  return bytes;
}
