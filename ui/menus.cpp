#include "ui/menus.h"

#include "ui/application.h"

TMenuItem::TMenuItem(std::string name, std::string caption, TMenuItem* parent)
    : Name(std::move(name)), caption_(std::move(caption)), parent_(parent) {
  if (parent_) parent_->items_.push_back(this);
}

void TMenuItem::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TMenuItem::Changed() {
  for (TMenuItem* item = this; item; item = item->parent_)
    if (item->OnChanged) return item->OnChanged(*this);
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::UserClick() {
  if (!enabled_ || !visible_) return;
  Application().Dispatch([this] { Click(); });
}
