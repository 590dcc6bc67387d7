#include "forms/graph.h"

TGraph* Graph = nullptr;

TGraph::TGraph() : TForm("Graph") {
  SetCaption("ファイルビュー");
  SetBounds(478, 67, 640, 718);
  ClientWidth = 632;
  ClientHeight = 684;
  SetColor(12701433);
  Button2.SetBounds(376, 659, 75, 25);
  Button2.SetCaption("実大サイズ");
  Button1.SetBounds(480, 659, 75, 25);
  Button1.SetCaption("閉じる(&C)");
  Button1.OnClick = [this](TObject*) { Close(); };
}
