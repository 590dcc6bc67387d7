// The text extension: the dialog, then the text format.
#include "app/start.h"
#include "forms/textext.h"

void TStart::EditTextExtension() {
  TextExt->Edit1.SetText(FTextExt);
  TextExt->ShowModal();
  RadioGroup1.SetItem(3, FTextExt);
  RadioGroup1.SetItemIndex(3);
}

void TStart::N15Click(TObject* sender) {
  EditTextExtension();
  RadioGroup1Click(sender);
}
