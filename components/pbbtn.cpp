#include "components/pbbtn.h"

namespace {

// The canvas takes colours with system colours resolved.
class Face {
 public:
  explicit Face(TCanvas& canvas) : c_(canvas) {}
  void Put(int x, int y, TColor color) { c_.SetPixel(x, y, ResolveColor(color)); }
  void Fill(const TRect& r, TColor color) { c_.FillRect(r, ResolveColor(color)); }

 private:
  TCanvas& c_;
};

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

void TPbBtn::Paint(TCanvas& canvas) const {
  Face f(canvas);
  TRect r{0, 0, Width(), Height()};
  const bool picture = picture_ && !picture_->GetEmpty();
  if (picture) canvas.StretchDraw(r, *picture_);
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
