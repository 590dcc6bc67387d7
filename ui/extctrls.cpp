#include "ui/extctrls.h"

#include "ui/application.h"

void TImage::SetPicture(std::shared_ptr<const TBitmap> picture) {
  picture_ = std::move(picture);
  Notify(TProp::Picture);
}

void TImage::UserClick() {
  Application().Dispatch([this] {
    if (OnClick) OnClick(this);
  });
}

TCustomPanel::TCustomPanel(TControl* parent, std::string name) : TControl(parent, std::move(name)) {
  SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  Notify(TProp::Bevel);
}

void TCustomPanel::UserMouseDown(TMouseButton button, int x, int y, bool doubleClick) {
  if (!Enabled()) return;
  Application().Dispatch([&] {
    if (button == TMouseButton::mbLeft) {
      captured_ = true;
      clickPending_ = !doubleClick;
    }
    MouseDown(button, x, y);
  });
}

// The release ends the capture, then clicks when it lies inside, and only then reaches
// MouseUp: a click handler runs while the control still looks pressed.
void TCustomPanel::UserMouseUp(TMouseButton button, int x, int y) {
  Application().Dispatch([&] {
    if (button == TMouseButton::mbLeft && captured_) {
      captured_ = false;
      const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
      if (inside && clickPending_ && OnClick) {
        clickPending_ = false;
        try {
          OnClick(this);
        } catch (...) {
          MouseUp(button, x, y);
          throw;
        }
        MouseUp(button, x, y);
        return;
      }
      clickPending_ = false;
    }
    MouseUp(button, x, y);
  });
}

void TCustomPanel::MouseDown(TMouseButton, int, int) {}
void TCustomPanel::MouseUp(TMouseButton, int, int) {}
