#pragma once
// The dialog in which the user types the extension of saved text files.
#include "ui/form.h"
#include "ui/stdctrls.h"

class TTextExt : public TForm {
 public:
  TTextExt();
  TLabel Label1{this, "Label1"};
  TEdit Edit1{this, "Edit1"};
  TLabel Label2{this, "Label2"};
  TButton Button1{this, "Button1"};
  TButton Button2{this, "Button2"};
  void Button1Click(TObject* sender);
  void Button2Click(TObject* sender);
};

extern TTextExt* TextExt;
