#pragma once
// Image, panels and the scroll box.
#include <memory>

#include "imaging/bitmap.h"
#include "ui/control.h"

// A picture shown in a rectangle; stretched to it when Stretch is set, at its own size from the
// top-left corner otherwise.
class TImage : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TImage"; }
  const std::shared_ptr<const TBitmap>& Picture() const { return picture_; }
  void SetPicture(std::shared_ptr<const TBitmap> picture);
  bool Stretch = false;
  TNotifyEvent OnClick;
  void UserClick();

 private:
  std::shared_ptr<const TBitmap> picture_;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// A windowed panel: bevels, caption, and the mouse handling of a control that captures the
// mouse while a button is down.
class TCustomPanel : public TControl {
 public:
  TCustomPanel(TControl* parent, std::string name);
  const char* ClassName() const override { return "TPanel"; }
  TAlignment Alignment = TAlignment::taCenter;
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner = TBevelCut::bvNone;
  int BevelWidth = 1;
  int BorderWidth = 0;
  bool TabStop = false;
  TNotifyEvent OnClick;

  // A press of a mouse button on the control. A second press that makes a double click comes
  // with `doubleClick` set and leads to no click.
  void UserMouseDown(TMouseButton button, int x, int y, bool doubleClick = false);
  // The release, wherever the pointer is (the control has captured the mouse).
  void UserMouseUp(TMouseButton button, int x, int y);
  bool Captured() const { return captured_; }

 protected:
  virtual void MouseDown(TMouseButton button, int x, int y);
  virtual void MouseUp(TMouseButton button, int x, int y);

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  bool captured_ = false;
  bool clickPending_ = false;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

class TScrollBox : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TScrollBox"; }
};
