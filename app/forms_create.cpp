#include "app/forms_create.h"

#include "app/start.h"
#include "forms/auxforms.h"
#include "forms/folder.h"
#include "forms/graph.h"
#include "forms/textext.h"
#include "ui/application.h"

void CreateMemotrayForms(TApplication& application) {
  application.Title = "メモトレー MEMOTRAY 2.32";
  // Each global is set before the next form is made: a form's start-up may reach the ones
  // made before it, and must cope with those not made yet.
  Start = application.CreateForm<TStart>();
  AboutBox = application.CreateForm<TAboutBox>();
  HowTo = application.CreateForm<THowTo>();
  Folder = application.CreateForm<TFolder>();
  Save = application.CreateForm<TSave>();
  Graph = application.CreateForm<TGraph>();
  TextExt = application.CreateForm<TTextExt>();
}

void ForgetMemotrayForms() {
  Start = nullptr;
  AboutBox = nullptr;
  HowTo = nullptr;
  Folder = nullptr;
  Save = nullptr;
  Graph = nullptr;
  TextExt = nullptr;
}
