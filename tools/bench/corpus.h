#pragma once
// The benchmark's pictures, made deterministically, and their PNG files written by libpng.
#include <cstdint>
#include <string>
#include <vector>

struct CorpusImage {
  std::string name;
  std::uint32_t width = 0, height = 0;
  int colorType = 2;  // 2 RGB, 6 RGBA, 3 palette
  bool interlaced = false;
  std::vector<std::uint8_t> pixels;  // top row first; RGB, RGBA or palette indices
  std::vector<std::uint8_t> file;    // the PNG file
};

std::vector<CorpusImage> MakeCorpus();
// Concatenated IDAT data of a PNG file.
std::vector<std::uint8_t> IdatStream(const std::vector<std::uint8_t>& file);
