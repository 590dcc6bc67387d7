#pragma once
// A device-independent bitmap in memory: what a clipboard picture becomes, what BMP files hold
// and what the PNG codec encodes from. Rows are 4-byte aligned and stored bottom-up, or top-down
// when the height is negative.
#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/dib.h"
#include "imaging/graphic.h"

class TBitmap : public TGraphic {
 public:
  TBitmap() = default;
  // A zeroed bitmap; bits per pixel 1, 4, 8, 16, 24 or 32. A negative height stores the rows
  // top-down. Palette formats get a colour table of 2^bits black entries.
  TBitmap(int width, int height, int bitsPerPixel);

  // A bitmap is copied; other pictures give their bitmap (AssignTo).
  void Assign(const TGraphic& source) override;
  bool GetEmpty() const override { return width_ == 0 || height_ == 0; }
  int GetWidth() const override { return width_; }
  int GetHeight() const override { return height_ < 0 ? -height_ : height_; }
  // Resizing keeps the format and starts from a zeroed picture.
  void SetWidth(int value) override;
  void SetHeight(int value) override;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
  const char* ClassName() const override { return "TBitmap"; }
  std::unique_ptr<TGraphic> NewOfSameClass() const override { return std::make_unique<TBitmap>(); }

  int BitsPerPixel() const { return bits_; }
  // The height as stored: negative for top-down rows.
  int StoredHeight() const { return height_; }
  std::uint32_t RowBytes() const;
  // Row `y` counted from the top of the picture.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;

  std::vector<TRGBQuad> Colors;  // colour table; 2^bits entries for palette formats
  // BI_BITFIELDS masks (red, green, blue) of 16- and 32-bit bitmaps; all 0 for the default
  // layouts (5-5-5 and blue-green-red-unused).
  std::uint32_t Masks[3] = {0, 0, 0};
  std::vector<std::uint8_t> Bits;  // RowBytes() * GetHeight(), in stored order

  // The picture as a bottom-up DIB of `targetBits` per pixel: the bitmap's own depth for palette
  // formats (colour table unchanged), or 24 (blue, green, red) from any depth.
  std::vector<std::uint8_t> BottomUpPixels(int targetBits) const;
  // The same into `out`, which holds DibRowBytes(width, targetBits) x height bytes.
  void BottomUpPixelsInto(int targetBits, std::uint8_t* out) const;

  // The palette that came along with a high-colour picture (a clipboard CF_PALETTE); BMP files
  // keep it as their colour table. Empty for most pictures.
  std::vector<TRGBQuad> Palette;

  bool Transparent = false;
  std::uint32_t TransparentColor = 0;  // RGB value: red in the low byte

 private:
  void Reset(int width, int height, int bitsPerPixel);
  void PaletteTo24(std::uint8_t* out, std::uint32_t outRow) const;
  int width_ = 0;
  int height_ = 0;
  int bits_ = 24;
};
