#include "platform/win32/win32_ownpeers.h"

#include <vector>

#include "components/pbbtn.h"
#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_stdpeers.h"
#include "platform/win32/win32_text.h"
#include "ui/extctrls.h"

namespace {

// Paints through BeginPaint/EndPaint, always ended.
class PaintScope {
 public:
  explicit PaintScope(HWND h) : h_(h), dc_(BeginPaint(h, &ps_)) {}
  ~PaintScope() { EndPaint(h_, &ps_); }
  HDC Dc() const { return dc_; }

 private:
  HWND h_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

RECT ClientRect(HWND h) {
  RECT r{};
  GetClientRect(h, &r);
  return r;
}

class ImagePeer : public TWin32Peer {
 public:
  ImagePeer(TImage& image, HWND h) : TWin32Peer(image, h), image_(image) {}
  LRESULT OnMessage(UINT msg, WPARAM, LPARAM, bool& handled) override {
    if (msg == WM_PAINT) {
      handled = true;
      PaintScope paint(Handle());
      const auto& picture = image_.Picture();
      const RECT client = ClientRect(Handle());
      if (picture && !picture->GetEmpty()) {
        RECT target = client;
        if (!image_.Stretch) {
          target.right = picture->GetWidth();
          target.bottom = picture->GetHeight();
        }
        StretchBitmap(paint.Dc(), target, *picture);
      }
      return 0;
    }
    if (msg == WM_ERASEBKGND) {
      handled = true;
      return 1;  // transparent where there is no picture, as the class library's image is
    }
    if (msg == WM_LBUTTONUP) {
      handled = true;
      image_.UserClick();
    }
    return 0;
  }

 protected:
  void Apply(TProp what) override {
    if (what == TProp::Picture) InvalidateRect(Handle(), nullptr, TRUE);
  }

 private:
  TImage& image_;
};

// The picture button: its face comes from the model, the caption is drawn over it here.
class PbBtnPeer : public TWin32Peer {
 public:
  PbBtnPeer(TPbBtn& button, HWND h) : TWin32Peer(button, h), button_(button) {}
  LRESULT OnMessage(UINT msg, WPARAM, LPARAM lp, bool& handled) override {
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    handled = true;
    switch (msg) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        SetCapture(Handle());
        button_.UserMouseDown(TMouseButton::mbLeft, x, y, msg == WM_LBUTTONDBLCLK);
        return 0;
      case WM_LBUTTONUP:
        if (GetCapture() == Handle()) ReleaseCapture();
        button_.UserMouseUp(TMouseButton::mbLeft, x, y);
        return 0;
      case WM_RBUTTONDOWN:
        button_.UserMouseDown(TMouseButton::mbRight, x, y);
        return 0;
      case WM_RBUTTONUP:
        button_.UserMouseUp(TMouseButton::mbRight, x, y);
        return 0;
      default:
        handled = false;
        return 0;
    }
  }

 protected:
  void Apply(TProp what) override {
    if (what == TProp::Bevel || what == TProp::Picture || what == TProp::Color ||
        what == TProp::Caption || what == TProp::Font) {
      InvalidateRect(Handle(), nullptr, FALSE);
      UpdateWindow(Handle());  // the pressed look shows also while a click handler runs
    }
  }

 private:
  void Paint() {
    PaintScope paint(Handle());
    TCanvas canvas(button_.Width(), button_.Height());
    button_.Paint(canvas);
    const TBitmap& face = canvas.Surface();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = face.GetWidth();
    info.bmiHeader.biHeight = face.StoredHeight();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(paint.Dc(), 0, 0, static_cast<DWORD>(face.GetWidth()),
                      static_cast<DWORD>(face.GetHeight()), 0, 0, 0,
                      static_cast<UINT>(face.GetHeight()), face.Bits.data(), &info, DIB_RGB_COLORS);
    if (button_.Caption().empty()) return;
    HGDIOBJ old = SelectObject(paint.Dc(), FontFor(button_.Font()));
    SIZE w{};
    GetTextExtentPoint32W(paint.Dc(), L"W", 1, &w);
    const TRect c = button_.CaptionRect(w.cy);
    RECT r{c.left, c.top, c.right, c.bottom};
    SetBkMode(paint.Dc(), TRANSPARENT);
    SetTextColor(paint.Dc(), ToColorRef(button_.Font().Color));
    const std::wstring text = Widen(button_.Caption());
    DrawTextW(paint.Dc(), text.c_str(), -1, &r, button_.CaptionFlags());
    SelectObject(paint.Dc(), old);
  }

  TPbBtn& button_;
};

// Cool bar, tool bar, panels: a face of the button colour; the cool bar's band has an edge.
class BarPeer : public TWin32Peer {
 public:
  BarPeer(TControl& bar, HWND h, bool band) : TWin32Peer(bar, h), band_(band) {}
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) override {
    if (msg != WM_ERASEBKGND) return 0;
    handled = true;
    HDC dc = reinterpret_cast<HDC>(wp);
    RECT r = ClientRect(Handle());
    FillRect(dc, &r, BrushFor(Control().Color()));
    if (band_) DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
    return 1;
  }

 private:
  bool band_;
};

}  // namespace

void StretchBitmap(HDC dc, const RECT& target, const TBitmap& bitmap) {
  const int bits = bitmap.BitsPerPixel() <= 8 ? bitmap.BitsPerPixel() : 24;
  const std::vector<std::uint8_t> pixels = bitmap.BottomUpPixels(bits);
  std::vector<std::uint8_t> header(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* info = reinterpret_cast<BITMAPINFO*>(header.data());
  info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info->bmiHeader.biWidth = bitmap.GetWidth();
  info->bmiHeader.biHeight = bitmap.GetHeight();
  info->bmiHeader.biPlanes = 1;
  info->bmiHeader.biBitCount = static_cast<WORD>(bits);
  info->bmiHeader.biCompression = BI_RGB;
  if (bits <= 8) {
    info->bmiHeader.biClrUsed = static_cast<DWORD>(bitmap.Colors.size());
    for (std::size_t i = 0; i < bitmap.Colors.size() && i < 256; ++i) {
      const TRGBQuad& q = bitmap.Colors[i];
      info->bmiColors[i] = RGBQUAD{q.rgbBlue, q.rgbGreen, q.rgbRed, 0};
    }
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
                0, 0, bitmap.GetWidth(), bitmap.GetHeight(), pixels.data(), info, DIB_RGB_COLORS,
                SRCCOPY);
}

std::unique_ptr<TWin32Peer> CreateOwnPeer(TControl& c, HWND parent) {
  const std::string kind = c.ClassName();
  HWND h = CreateChildWindow(OwnWindowClass(), WS_CLIPCHILDREN, 0, parent, c);
  if (kind == "TImage") return std::make_unique<ImagePeer>(static_cast<TImage&>(c), h);
  if (kind == "TPbBtn") return std::make_unique<PbBtnPeer>(static_cast<TPbBtn&>(c), h);
  return std::make_unique<BarPeer>(c, h, kind == "TCoolBar");
}
