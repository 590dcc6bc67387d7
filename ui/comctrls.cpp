#include "ui/comctrls.h"

#include <algorithm>
#include <string>

#include "ui/application.h"
#include "ui/stdctrls.h"

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  Notify(TProp::Range);
  SetPosition(position_);
}

void TUpDown::SetPosition(int value) {
  const auto clamped = static_cast<short>(std::clamp(value, min_, max_));
  if (clamped == position_) return;
  position_ = clamped;
  Notify(TProp::Position);
  if (Associate) Associate->SetText(std::to_string(position_));
}

void TUpDown::UserArrow(TUDBtnType button) {
  if (!Enabled()) return;
  Application().Dispatch([=, this] {
    int next = position_ + (button == TUDBtnType::btNext ? 1 : -1);
    if (Wrap && next > max_) next = min_;
    if (Wrap && next < min_) next = max_;
    SetPosition(next);
    if (OnClick) OnClick(this, button);
  });
}
