#pragma once
// The dialog that asks for the name of a new sub-folder of the current folder.
#include "ui/form.h"
#include "ui/stdctrls.h"

class TFolder : public TForm {
 public:
  TFolder();
  TLabel Label1{this, "Label1"};
  TLabel Label2{this, "Label2"};
  TEdit Edit1{this, "Edit1"};
  TButton Button1{this, "Button1"};
  TButton Button2{this, "Button2"};
  // Closed through OK in the current showing.
  bool FAccepted = false;
  void Button1Click(TObject* sender);
  void Button2Click(TObject* sender);
};

extern TFolder* Folder;
