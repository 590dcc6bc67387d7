#pragma once
// libjpeg called directly with the program's settings, as the peer of our JPEG class: the
// same pixels in, the same parameters, memory to memory.
#include <cstdint>
#include <vector>

// Rows top-down, 4 bytes a pixel (blue, green, red, unused), `stride` apart.
std::vector<std::uint8_t> LibjpegCompress(const std::uint8_t* top, long stride, int width,
                                          int height);
// Decodes to blue, green, red rows; returns the bytes decoded.
std::size_t LibjpegDecompress(const std::vector<std::uint8_t>& file);
