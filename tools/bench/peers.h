#pragma once
// The peer codecs, each called the way its own documentation shows, memory to memory.
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Each returns the decoded picture's bytes (so the work cannot be optimised away).
std::size_t DecodeLibpng(const Bytes& file);
std::size_t DecodeSpng(const Bytes& file);
std::size_t DecodeStb(const Bytes& file);
std::size_t DecodeLodepng(const Bytes& file);
// One-shot inflate of the IDAT stream into a buffer of `rawSize` bytes.
std::size_t InflateOnly(const Bytes& idat, std::size_t rawSize);
// One-shot deflate with the program's settings (level 7, window 15, memory level 8).
Bytes DeflateOnly(const Bytes& raw);
// libpng writing 8-bit RGB rows with the Sub filter and the program's zlib settings.
Bytes EncodeLibpngSub(const Bytes& rgb, std::uint32_t width, std::uint32_t height);
