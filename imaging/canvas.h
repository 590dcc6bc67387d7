#pragma once
// A drawing surface in memory: a 32-bit top-down bitmap (blue, green, red, unused) and the few
// operations pictures draw with. Pixel arithmetic happens here, exactly; a platform canvas only
// shows the result.
#include <cstdint>

#include "imaging/bitmap.h"

struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const TRect&) const = default;
};

// Colours as 0x00BBGGRR: red in the low byte.
using TCanvasColor = std::uint32_t;

class TCanvas {
 public:
  // A surface of `width` x `height`, filled with `background`.
  TCanvas(int width, int height, TCanvasColor background = 0xFFFFFF);
  int Width() const { return surface_.GetWidth(); }
  int Height() const { return surface_.GetHeight(); }

  // Points outside the surface read as 0 and are not written.
  TCanvasColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TCanvasColor color);
  void FillRect(const TRect& r, TCanvasColor color);
  // Stretches `picture` (any depth) into `r`: each target pixel takes the source pixel it
  // falls on, as the system stretches colour pictures.
  void StretchDraw(const TRect& r, const TBitmap& picture);
  // As StretchDraw, leaving the target as it is where the source pixel is `key`.
  void StretchDrawKeyed(const TRect& r, const TBitmap& picture, TCanvasColor key);

  // The surface itself: 32 bits, rows top-down.
  const TBitmap& Surface() const { return surface_; }
  TBitmap& Surface() { return surface_; }

 private:
  template <class Put>
  void Stretch(const TRect& r, const TBitmap& picture, Put put);
  TBitmap surface_;
};

// The colour of pixel (x, y), counted from the top, of a bitmap of any depth.
TCanvasColor BitmapPixel(const TBitmap& bitmap, int x, int y);
