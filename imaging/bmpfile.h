#pragma once
// BMP files: a 14-byte file header, a 40-byte info header, masks for BI_BITFIELDS, the colour
// table, the pixels bottom-up.
#include <cstdint>

class TBitmap;
class TStream;

constexpr std::uint32_t BI_BITFIELDS_ = 3;
extern const char* const SInvalidBitmap;  // "ビットマップイメージが不正です"

void WriteBmp(const TBitmap& bitmap, TStream& stream);
// Raises EInvalidGraphic with SInvalidBitmap for a file that is not a bitmap this reader knows.
void ReadBmp(TBitmap& bitmap, TStream& stream);
