#include "ui/control.h"

#include <algorithm>

TControl::TControl(TControl* parent, std::string name) : Name(std::move(name)), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
}

TControl::~TControl() {
  peer_.reset();
  if (parent_) std::erase(parent_->children_, this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left, top_ = top, width_ = width, height_ = height;
  Notify(TProp::Bounds);
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Notify(TProp::Visible);
}

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Notify(TProp::Enabled);
}

void TControl::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  Notify(TProp::Caption);
}

void TControl::SetHint(const std::string& value) {
  hint_ = value;
  Notify(TProp::Hint);
}

void TControl::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Notify(TProp::Color);
}

const TFont& TControl::Font() const {
  static const TFont defaultFont;
  if (font_) return *font_;
  return parent_ ? parent_->Font() : defaultFont;
}

void TControl::SetFont(const TFont& value) {
  font_ = std::make_unique<TFont>(value);
  Notify(TProp::Font);
}

void TControl::Notify(TProp what) {
  if (peer_) peer_->Changed(what);
}
