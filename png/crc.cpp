#include "png/crc.h"

#include <array>
#include <cstring>

namespace {

// Table 0 is the classic one-byte table. Tables 1 to 7 let the loop below take 8 bytes a step
// ("slicing by 8"): table k gives the CRC of a byte followed by k zero bytes. The image data's
// CRC is over every compressed byte, so this is on the decoder's hot path.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

// Built on first use and kept for the life of the process.
const CrcTables& Tables() {
  static const CrcTables tables = [] {
    CrcTables t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n)
      for (std::size_t k = 1; k < 8; ++k) t[k][n] = t[0][t[k - 1][n] & 0xFF] ^ (t[k - 1][n] >> 8);
    return t;
  }();
  return tables;
}

std::uint32_t LittleEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

}  // namespace

std::uint32_t update_crc(std::uint32_t crc, const void* buffer, std::size_t length) {
  const CrcTables& t = Tables();
  const auto* p = static_cast<const std::uint8_t*>(buffer);
  for (; length >= 8; length -= 8, p += 8) {
    const std::uint32_t lo = LittleEndian32(p) ^ crc;
    const std::uint32_t hi = LittleEndian32(p + 4);
    crc = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
          t[3][hi & 0xFF] ^ t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
  }
  for (; length > 0; --length, ++p) crc = t[0][(crc ^ *p) & 0xFF] ^ (crc >> 8);
  return crc;
}
