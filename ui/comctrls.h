#pragma once
// Common controls: the up-down arrows, and the cool bar with its tool bar.
#include "ui/control.h"

class TEdit;

enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;

class TUpDown : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TUpDown"; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  // The range; the position is brought inside it at once.
  void SetRange(int min, int max);
  // The position, a 16-bit value that the control keeps within Min to Max.
  short Position() const { return position_; }
  void SetPosition(int value);
  bool Wrap = false;
  // The edit that shows the position; it follows every change of the position.
  TEdit* Associate = nullptr;
  // An arrow pressed: the position moves by one (not past the range unless Wrap), then OnClick.
  void UserArrow(TUDBtnType button);
  TUDClickEvent OnClick;

 private:
  int min_ = 0, max_ = 100;
  short position_ = 0;
};

class TCoolBar : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TCoolBar"; }
};

class TToolBar : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TToolBar"; }
  int ButtonWidth = 21;
  int ButtonHeight = 21;
};
