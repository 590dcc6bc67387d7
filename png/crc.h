#pragma once
// CRC-32 of PNG chunks (reflected polynomial 0xEDB88320), table-driven, 8 bytes a step.
// Callers start the register at 0xFFFFFFFF, feed the type and the data, and invert the result.
#include <cstddef>
#include <cstdint>

std::uint32_t update_crc(std::uint32_t crc, const void* buffer, std::size_t length);

// Reverse the byte order of a 32-bit or 16-bit value (file numbers are big-endian).
constexpr std::uint32_t ByteSwap(std::uint32_t v) {
  return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}
constexpr std::uint16_t ByteSwap16(std::uint16_t v) {
  return static_cast<std::uint16_t>((v >> 8) | (v << 8));
}

// Big-endian reads and writes of the file's numbers.
inline std::uint32_t ReadBE32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         p[3];
}
inline void WriteBE32(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v >> 24);
  p[1] = static_cast<std::uint8_t>(v >> 16);
  p[2] = static_cast<std::uint8_t>(v >> 8);
  p[3] = static_cast<std::uint8_t>(v);
}
