#include "png/crc.h"

#include <array>

namespace {

// Built on first use and kept for the life of the process.
const std::array<std::uint32_t, 256>& CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

}  // namespace

std::uint32_t update_crc(std::uint32_t crc, const void* buffer, std::size_t length) {
  const auto& table = CrcTable();
  const auto* p = static_cast<const std::uint8_t*>(buffer);
  for (std::size_t i = 0; i < length; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}
