#pragma once
// Netpbm pictures, the plain interchange format of imgtool.
#include <cstdint>
#include <string>
#include <vector>

// 8-bit samples, top row first, 3 (RGB) or 4 (RGB_ALPHA) channels.
struct PamImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t channels = 3;
  std::vector<std::uint8_t> samples;
};

void WritePam(const std::string& fileName, const PamImage& image);
