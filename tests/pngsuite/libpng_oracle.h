#pragma once
// libpng's reading of a PNG file, as the reference the codec's output is compared with.
#include <cstdint>
#include <string>
#include <vector>

struct OracleImage {
  std::uint32_t width = 0, height = 0, channels = 0;  // 3 or 4
  std::uint8_t colorType = 0;
  bool hasGamma = false;
  std::uint32_t gamma = 0;  // gAMA value, gamma x 100000
  std::vector<std::uint8_t> samples;  // 8-bit, top row first
};

// Palette and low-depth gray expanded, tRNS as alpha, 16-bit samples cut to their high byte,
// gray made RGB; no gamma applied. Throws std::runtime_error when libpng refuses the file.
OracleImage ReadWithLibpng(const std::string& fileName);
