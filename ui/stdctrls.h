#pragma once
// The standard controls: label, edit, memo, button, check box, radio group. A value set by
// program raises the control's handler exactly as the user's change does, and only when the
// value really changes. The User... entry points are where input from a person arrives (from
// the native control, or from a test); an exception that leaves a handler is reported there.
#include <string>
#include <vector>

#include "ui/control.h"

class TLabel : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TLabel"; }
};

class TEdit : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TEdit"; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  void UserSetText(const std::string& value);
  TNotifyEvent OnChange;

 private:
  std::string text_;
};

class TMemo : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TMemo"; }
  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(const std::vector<std::string>& lines);
  bool ReadOnly = false;
  bool WordWrap = true;
  bool Flat = false;
  TNotifyEvent OnClick;
  void UserClick();

 private:
  std::vector<std::string> lines_;
};

class TButton : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TButton"; }
  TNotifyEvent OnClick;
  // Runs the click handler, as a press of the button does.
  void Click();
  void UserClick();
};

class TCheckBox : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TCheckBox"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // A click toggles the box.
  void UserClick();
  TNotifyEvent OnClick;

 private:
  bool checked_ = false;
};

class TRadioGroup : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TRadioGroup"; }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& items);
  void SetItem(int index, const std::string& caption);
  int Columns = 1;
  // -1 when no item is selected.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  void UserSelect(int index);
  TNotifyEvent OnClick;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};
