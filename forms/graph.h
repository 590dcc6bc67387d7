#pragma once
// The viewer window. Here: the window and its two buttons; the main window's thumbnail fit
// decides whether the real-size button is offered.
#include "ui/form.h"
#include "ui/stdctrls.h"

class TGraph : public TForm {
 public:
  TGraph();
  TButton Button2{this, "Button2"};
  TButton Button1{this, "Button1"};
};

extern TGraph* Graph;
