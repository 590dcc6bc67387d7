#pragma once
// A top-level window: caption, client size, border, placement, main menu, and showing it
// plainly or modally.
#include <functional>
#include <vector>

#include "ui/control.h"

class TMainMenu;

enum class TBorderStyle { bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TForm : public TControl {
 public:
  explicit TForm(std::string name) : TControl(nullptr, std::move(name)) {}
  const char* ClassName() const override { return "TForm"; }

  // Size of the client area; the outer size follows from the border, caption and menu.
  int ClientWidth = 0;
  int ClientHeight = 0;
  // With a designed position the form's outer rectangle is at Left, Top (SetBounds).
  TPosition Position = TPosition::poDesigned;
  TBorderStyle BorderStyle = TBorderStyle::bsSizeable;
  TMainMenu* Menu = nullptr;
  // The order Tab walks through the controls; empty: the order they were made in.
  std::vector<TControl*> TabOrder;
  TNotifyEvent OnCreate;
  TCloseEvent OnClose;

  void Show();
  void Hide();
  bool Showing() const { return showing_; }
  // Shows the form modally; returns its ModalResult when it has been closed.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult = mrNone;
  // Closes the form: a modal one ends its showing (as Cancel unless a result is set); another
  // asks OnClose, and closing the main form ends the application.
  void Close();
  // The system's close box of the window, pressed by the user.
  void UserCloseBox();

 private:
  bool showing_ = false;
  bool modal_ = false;
};
