#pragma once
// Bitmaps made from PAM pictures as the clipboard would give them at a depth, and PAM pictures
// made from bitmaps as a true-colour display shows them.
#include "imaging/bitmap.h"
#include "tools/imgtool/pam.h"

// 32 or 24 bits: the pixels (alpha dropped). 16: 5-5-5. 8, 4, 1: a colour table of the
// picture's own colours when they fit, otherwise the nearest colours of a fixed table.
TBitmap BitmapFromPam(const PamImage& image, int bitsPerPixel);
// Red, green, blue, 8 bits each, top row first.
PamImage PamFromBitmap(const TBitmap& bitmap);
