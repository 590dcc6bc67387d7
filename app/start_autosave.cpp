// Switching automatic saving on and off and choosing its target, and how the window
// announces it.
#include "app/start.h"

void TStart::CBAutoSaveClick(TObject*) {
  if (!CBAutoSave.Checked()) {
    FAutoSaveOn = false;
    Label12.SetCaption("");
    Label7.SetVisible(false);
    Label13.SetVisible(false);
    return;
  }
  FAutoSaveOn = true;
  const int format = RadioGroup1.ItemIndex();
  FAutoPictureFormat = format >= 0 && format < 3 ? format : 1;
  Label12.SetCaption("自動保存");
  Label7.SetVisible(N11.Checked() || N9.Checked());
  Label13.SetVisible(N11.Checked() || !N9.Checked());
}

void TStart::ChooseAutoSaveTarget(TMenuItem& chosen, bool pictures, bool texts) {
  for (TMenuItem* item : {&N9, &N10, &N11}) item->SetChecked(item == &chosen);
  Label7.SetVisible(pictures);
  Label13.SetVisible(texts);
  FAutoSavePicture = pictures;
  FAutoSaveText = texts;
}

void TStart::N9Click(TObject*) { ChooseAutoSaveTarget(N9, true, false); }
void TStart::N10Click(TObject*) { ChooseAutoSaveTarget(N10, false, true); }
void TStart::N11Click(TObject*) { ChooseAutoSaveTarget(N11, true, true); }
