#pragma once
// The program's own pictures: indicator icons, the emblem and the tool bar buttons, drawn in
// code at their design sizes and depths.
#include "imaging/bitmap.h"

namespace Artwork {
TBitmap PictureIcon();          // 32 x 32: sun, hill and water in a bright green frame
TBitmap TextIcon();             // 32 x 32: a red T on white in a green frame
TBitmap EmptyIcon();            // 32 x 32: an empty white square in a green frame
TBitmap Emblem();               // 64 x 64, 16 colours: a clipboard, an arrow, a floppy disk
TBitmap MainWindowMiniature();  // 23 x 20, 24 bits
TBitmap NewFolder();            // 22 x 22, 24 bits: a yellow folder with a sparkle
TBitmap Scissors();             // 21 x 21, 24 bits
TBitmap TwoDocuments();         // 20 x 19, 16 bits
TBitmap FloppyDisk();           // 21 x 19, 16 bits
}  // namespace Artwork
