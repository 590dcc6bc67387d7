#include "forms/auxforms.h"

TAboutBox* AboutBox = nullptr;
THowTo* HowTo = nullptr;
TSave* Save = nullptr;

TAboutBox::TAboutBox() : TForm("AboutBox") {
  SetCaption("バージョン情報");
  BorderStyle = TBorderStyle::bsSingle;
  ClientWidth = 319;
  ClientHeight = 213;
  Position = TPosition::poScreenCenter;
  SetColor(MakeColor(247, 165, 140));
}

THowTo::THowTo() : TForm("HowTo") {
  SetCaption("使い方");
  BorderStyle = TBorderStyle::bsSingle;
  ClientWidth = 422;
  ClientHeight = 300;
  Position = TPosition::poScreenCenter;
  SetColor(MakeColor(250, 207, 207));
  SetFont(TFont{"ＭＳ Ｐゴシック", 13, true, clWindowText});
}

TSave::TSave() : TForm("Save") {
  SetCaption("メモトレー");
  SetBounds(631, 145, 112, 99);
  ClientWidth = 104;
  ClientHeight = 65;
  SetColor(MakeColor(255, 128, 192));
  SetFont(TFont{"ＭＳ Ｐゴシック", 12, false, clWindowText});
}
