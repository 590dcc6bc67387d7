#pragma once
// The version window, the help window and the save window: created at start with their frames;
// their contents come with the tool bar's work.
#include "ui/form.h"

class TAboutBox : public TForm {
 public:
  TAboutBox();
};

class THowTo : public TForm {
 public:
  THowTo();
};

class TSave : public TForm {
 public:
  TSave();
};

extern TAboutBox* AboutBox;
extern THowTo* HowTo;
extern TSave* Save;
