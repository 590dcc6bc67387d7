#include "forms/textext.h"

#include "app/start.h"

TTextExt* TextExt = nullptr;

TTextExt::TTextExt() : TForm("TextExt") {
  SetCaption("テキストファイル拡張子");
  BorderStyle = TBorderStyle::bsSizeable;
  SetBounds(569, 537, 340, 154);
  // The client area that the outer 340 x 154 leaves with a sizeable frame and a caption.
  ClientWidth = 332;
  ClientHeight = 120;
  SetColor(12961534);
  SetFont(TFont{"ＭＳ Ｐゴシック", 13, true, clWindowText});
  const TFont teal{"ＭＳ Ｐゴシック", 13, true, clTeal};
  Label1.SetBounds(16, 16, 290, 13);
  Label1.SetCaption("テキストファイルの拡張子を指定してください");
  Label1.SetFont(teal);
  Edit1.SetBounds(24, 48, 81, 21);
  Edit1.SetText("Edit1");
  Edit1.SetColor(clWindow);
  Label2.SetBounds(112, 56, 180, 13);
  Label2.SetCaption("．（ピリオド） は不要です");
  Label2.SetFont(teal);
  Button1.SetBounds(56, 88, 75, 25);
  Button1.SetCaption("OK");
  Button2.SetBounds(208, 88, 75, 25);
  Button2.SetCaption("キャンセル");
  Button1.OnClick = [this](TObject* s) { Button1Click(s); };
  Button2.OnClick = [this](TObject* s) { Button2Click(s); };
}

// Whatever was typed is the extension, of any length; nothing is checked.
void TTextExt::Button1Click(TObject*) {
  Start->FTextExt = Edit1.Text();
  Start->RadioGroup1.SetItem(3, Start->FTextExt);
  ModalResult = mrOk;
  Close();
}

void TTextExt::Button2Click(TObject*) { Close(); }
