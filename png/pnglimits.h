#pragma once
// Limits that keep a hostile file from making the codec allocate without bound. One place, so
// they are easy to find and to change.
#include <cstdint>

namespace PngLimits {
// Pixel buffer and alpha plane of one decoded image together.
constexpr std::uint64_t kMaxImageBytes = 1ull << 30;
// Text of one zTXt chunk once inflated; a longer one is treated as undecodable.
constexpr std::uint64_t kMaxInflatedText = 8ull << 20;
// Width and height, as the PNG object's header allows them.
constexpr std::uint32_t kMaxSide = 65535;
}  // namespace PngLimits
