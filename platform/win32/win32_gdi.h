#pragma once
// GDI objects held for as long as their owner needs them, and the colours and fonts of the
// controls turned into them.
#include <map>
#include <string>
#include <tuple>

#include "platform/win32/win32_windows.h"
#include "ui/types.h"

// Owns one GDI object and deletes it at the end.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : h_(h) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = o.h_;
      o.h_ = nullptr;
    }
    return *this;
  }
  void Reset(Handle h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }
  Handle Get() const { return h_; }

 private:
  Handle h_ = nullptr;
};

// A colour of the model as the system's COLORREF; system colours are asked of the system.
COLORREF ToColorRef(TColor color);

// Fonts and brushes made once per distinct value and kept for the process's life: the windows
// are few and so are their fonts.
HFONT FontFor(const TFont& font);
HBRUSH BrushFor(TColor color);

// Sets up `dc` for a standard control's text and background and returns its background brush,
// as WM_CTLCOLOR... wants.
HBRUSH ControlColours(HDC dc, TColor text, TColor back);
