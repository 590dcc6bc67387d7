#include "forms/folder.h"

#include "ui/application.h"

TFolder* Folder = nullptr;

TFolder::TFolder() : TForm("Folder") {
  SetCaption("フォルダ作成");
  BorderStyle = TBorderStyle::bsSingle;
  ClientWidth = 352;
  ClientHeight = 114;
  SetColor(12181247);
  Position = TPosition::poScreenCenter;
  SetFont(TFont{"ＭＳ Ｐゴシック", 13, true, clWindowText});
  Label1.SetBounds(16, 8, 300, 13);
  Label2.SetBounds(32, 24, 200, 13);
  Label2.SetCaption("に作成するサブフォルダ名");
  Edit1.SetBounds(32, 48, 121, 21);
  Edit1.SetColor(clWindow);
  Button1.SetBounds(48, 80, 75, 25);
  Button1.SetCaption("OK");
  Button2.SetBounds(168, 80, 75, 25);
  Button2.SetCaption("キャンセル");
  Button1.OnClick = [this](TObject* s) { Button1Click(s); };
  Button2.OnClick = [this](TObject* s) { Button2Click(s); };
}

void TFolder::Button1Click(TObject*) {
  if (Edit1.Text().empty()) {
    Application().MessageBox("フォルダ名が指定されていません", "フォルダ名エラー", mbOK);
    return;
  }
  FAccepted = true;
  ModalResult = mrOk;
  Close();
}

void TFolder::Button2Click(TObject*) {
  FAccepted = false;
  Close();
}
