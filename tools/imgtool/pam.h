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

// Reads P7 (RGB or RGB_ALPHA) and P6 files of MAXVAL 255; throws std::runtime_error otherwise.
PamImage ReadPam(const std::vector<std::uint8_t>& bytes);

void WritePam(const std::string& fileName, const PamImage& image);
