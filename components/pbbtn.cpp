#include "components/pbbtn.h"

#include <cstring>

namespace {

// Pixels of a 32-bit top-down face, written as blue, green, red, 0.
class Face {
 public:
  explicit Face(TBitmap& bitmap) : b_(bitmap) {}
  void Put(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= b_.GetWidth() || y >= b_.GetHeight()) return;
    const TColor c = ResolveColor(color);
    std::uint8_t* p = b_.ScanLine(y) + 4 * x;
    p[0] = static_cast<std::uint8_t>(c >> 16);
    p[1] = static_cast<std::uint8_t>(c >> 8);
    p[2] = static_cast<std::uint8_t>(c);
    p[3] = 0;
  }
  void Fill(const TRect& r, TColor color) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) Put(x, y, color);
  }

 private:
  TBitmap& b_;
};

// The colour of pixel (x, y) of any bitmap, counted from the top.
TColor PixelOf(const TBitmap& bitmap, const std::vector<std::uint8_t>& bottomUp, int rowBytes,
               int x, int y) {
  const int bits = bitmap.BitsPerPixel() <= 8 ? bitmap.BitsPerPixel() : 24;
  const std::uint8_t* row = bottomUp.data() + std::size_t(bitmap.GetHeight() - 1 - y) * rowBytes;
  if (bits == 24) return MakeColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
  const int perByte = 8 / bits;
  const int index = (row[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1 << bits) - 1);
  if (index >= static_cast<int>(bitmap.Colors.size())) return clBlack;
  const TRGBQuad& q = bitmap.Colors[static_cast<std::size_t>(index)];
  return MakeColor(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

// The picture stretched to fill the face, each face pixel taking the source pixel it falls on.
void StretchDraw(Face& face, int width, int height, const TBitmap& picture) {
  const int bits = picture.BitsPerPixel() <= 8 ? picture.BitsPerPixel() : 24;
  const std::vector<std::uint8_t> pixels = picture.BottomUpPixels(bits);
  const int rowBytes = static_cast<int>(DibRowBytes(picture.GetWidth(), bits));
  for (int y = 0; y < height; ++y) {
    const int sy = static_cast<int>(std::int64_t{y} * picture.GetHeight() / height);
    for (int x = 0; x < width; ++x) {
      const int sx = static_cast<int>(std::int64_t{x} * picture.GetWidth() / width);
      face.Put(x, y, PixelOf(picture, pixels, rowBytes, sx, sy));
    }
  }
}

// The class library's 3-D frame: `width` rings, top and left in one colour, bottom and right
// in the other; `r` ends inside the rings.
void Frame3D(Face& face, TRect& r, TColor top, TColor bottom, int width) {
  --r.right, --r.bottom;
  for (int i = 0; i < width; ++i) {
    for (int y = r.bottom; y >= r.top; --y) face.Put(r.left, y, top);
    for (int x = r.left; x < r.right; ++x) face.Put(x, r.top, top);
    for (int y = r.top; y <= r.bottom; ++y) face.Put(r.right, y, bottom);
    for (int x = r.right; x >= r.left; --x) face.Put(x, r.bottom, bottom);
    ++r.left, ++r.top, --r.right, --r.bottom;
  }
  ++r.right, ++r.bottom;
}

void Bevel(Face& face, TRect& r, TBevelCut cut, int width) {
  if (cut == TBevelCut::bvNone) return;
  const bool raised = cut == TBevelCut::bvRaised;
  Frame3D(face, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
          width);
}

}  // namespace

TPbBtn::TPbBtn(TControl* parent, std::string name) : TCustomPanel(parent, std::move(name)) {
  SetBounds(Left(), Top(), 75, 25);
}

void TPbBtn::Set_Picture(const TBitmap& picture) {
  picture_ = std::make_shared<const TBitmap>(picture);
  Notify(TProp::Picture);
}

void TPbBtn::Paint(TBitmap& face) const {
  face = TBitmap(Width(), -Height(), 32);
  Face f(face);
  TRect r{0, 0, Width(), Height()};
  const bool picture = picture_ && !picture_->GetEmpty();
  if (picture) StretchDraw(f, Width(), Height(), *picture_);
  Bevel(f, r, BevelOuter(), BevelWidth);
  Frame3D(f, r, Color(), Color(), BorderWidth);
  Bevel(f, r, BevelInner, BevelWidth);
  if (!picture) f.Fill(r, Color());
}

TRect TPbBtn::CaptionRect(int textHeight) const {
  TRect r{0, 0, Width(), Height()};
  const int frames = (BevelOuter() != TBevelCut::bvNone ? BevelWidth : 0) + BorderWidth +
                     (BevelInner != TBevelCut::bvNone ? BevelWidth : 0);
  r.left += frames, r.top += frames, r.right -= frames, r.bottom -= frames;
  r.top = (r.top + r.bottom - textHeight) / 2;
  r.bottom = r.top + textHeight;
  return r;
}

unsigned TPbBtn::CaptionFlags() const {
  const unsigned align = Alignment == TAlignment::taLeftJustify    ? kDtLeft
                         : Alignment == TAlignment::taRightJustify ? kDtRight
                                                                   : kDtCenter;
  return kDtExpandTabs | kDtVCenter | align;
}

void TPbBtn::MouseDown(TMouseButton button, int, int) {
  if (button == TMouseButton::mbLeft) SetBevelOuter(TBevelCut::bvLowered);
}

void TPbBtn::MouseUp(TMouseButton button, int, int) {
  if (button == TMouseButton::mbLeft) SetBevelOuter(TBevelCut::bvRaised);
}
