#include "ui/types.h"

TColor ResolveColor(TColor color) {
  if (!(color & clSystemColor)) return color;
  switch (color) {
    case clWindowText:
      return clBlack;
    case clBtnFace:
      return MakeColor(212, 208, 200);
    case clBtnShadow:
      return MakeColor(128, 128, 128);
    case clBtnHighlight:
      return clWhite;
    case clWindow:
      return clWhite;
    default:
      return clBlack;
  }
}
