#include "ui/stdctrls.h"

#include "ui/application.h"

void TEdit::SetText(const std::string& value) {
  if (value == text_) return;
  text_ = value;
  Notify(TProp::Text);
  if (OnChange) OnChange(this);
}

void TEdit::UserSetText(const std::string& value) {
  Application().Dispatch([&] { SetText(value); });
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  lines_ = lines;
  Notify(TProp::Lines);
}

void TMemo::UserClick() {
  Application().Dispatch([this] {
    if (OnClick) OnClick(this);
  });
}

void TButton::Click() {
  if (OnClick) OnClick(this);
}

void TButton::UserClick() {
  if (!Enabled()) return;
  Application().Dispatch([this] { Click(); });
}

void TCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Notify(TProp::Checked);
  if (OnClick) OnClick(this);
}

void TCheckBox::UserClick() {
  if (!Enabled()) return;
  Application().Dispatch([this] { SetChecked(!checked_); });
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  Notify(TProp::Items);
}

void TRadioGroup::SetItem(int index, const std::string& caption) {
  if (index < 0 || index >= static_cast<int>(items_.size()) || items_[index] == caption) return;
  items_[index] = caption;
  Notify(TProp::Items);
}

// An index past the last item selects the last one; one below -1 selects none.
void TRadioGroup::SetItemIndex(int value) {
  if (value >= static_cast<int>(items_.size())) value = static_cast<int>(items_.size()) - 1;
  if (value < -1) value = -1;
  if (value == itemIndex_) return;
  itemIndex_ = value;
  Notify(TProp::ItemIndex);
  if (OnClick) OnClick(this);
}

void TRadioGroup::UserSelect(int index) {
  if (!Enabled()) return;
  Application().Dispatch([=, this] { SetItemIndex(index); });
}
