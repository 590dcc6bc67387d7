#include "ui/form.h"

#include "ui/application.h"

void TForm::Show() {
  showing_ = true;
  Application().Platform().ShowForm(*this);
}

void TForm::Hide() {
  showing_ = false;
  Application().Platform().HideForm(*this);
}

int TForm::ShowModal() {
  ModalResult = mrNone;
  modal_ = true;
  showing_ = true;
  struct EndModal {
    TForm& form;
    ~EndModal() {
      form.modal_ = false;
      form.showing_ = false;
    }
  } end{*this};
  Application().Platform().ShowModal(*this);
  return ModalResult;
}

void TForm::Close() {
  if (modal_) {
    if (ModalResult == mrNone) ModalResult = mrCancel;
    Application().Platform().HideForm(*this);
    showing_ = false;
    return;
  }
  TCloseAction action =
      this == Application().MainForm() ? TCloseAction::caFree : TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  Hide();
  if (this == Application().MainForm()) Application().Terminate();
}

void TForm::UserCloseBox() {
  Application().Dispatch([this] { Close(); });
}
