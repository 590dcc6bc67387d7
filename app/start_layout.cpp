// The main window as designed: every control at its place with its caption, hint, colour and
// font, and the menus.
#include "app/artwork.h"
#include "app/start.h"

TStart* Start = nullptr;

namespace {

TFont MakeFont(int height, bool bold, TColor color, const char* name = "ＭＳ Ｐゴシック") {
  return TFont{name, height, bold, color};
}

void Place(TControl& c, int left, int top, int width, int height, const std::string& caption = {},
           const std::string& hint = {}) {
  c.SetBounds(left, top, width, height);
  if (!caption.empty()) c.SetCaption(caption);
  if (!hint.empty()) {
    c.SetHint(hint);
    c.SetShowHint(true);
  }
}

}  // namespace

TStart::TStart() : TForm("Start") {
  SetCaption("メモトレー　MEMOTRAY Ver2.32");
  ClientWidth = 475;
  ClientHeight = 386;
  BorderStyle = TBorderStyle::bsSingle;
  Position = TPosition::poScreenCenter;
  SetColor(MakeColor(186, 220, 226));
  SetFont(MakeFont(13, true, clWindowText));
  Menu = &MainMenu1;
  LayOut();
  LayOutMenus();
  ConnectHandlers();
  TabOrder = {&EdFname, &EdDummy,  &UpDown1,     &RadioGroup1,    &CBSeque,           &BtnReset,
              &Button3, &EdNumber, &RadioGroup2, &DriveComboBox1, &DirectoryListBox1, &FileListBox1,
              &PbBtn1,  &PbSave,   &BtnCopy,     &Memo1,          &CoolBar1,          &CBAutoSave,
              &CBView,  &CBSave,   &CBOverWrite};
}

void TStart::LayOut() {
  LayOutTop();
  LayOutDestination();
  LayOutLists();
  LayOutOptions();
}

// The cool bar with its tool bar, the title, the clipboard indicator, the content box and the
// big save button.
void TStart::LayOutTop() {
  const TColor green = clGreen, red = clRed;
  Place(CoolBar1, 0, 0, 475, 27);
  Place(ToolBar1, 9, 0, 458, 23, "メモトレー", "ツールバーは移動できます");
  const struct {
    TPbBtn& b;
    int left;
    const char* hint;
    int bevel;
  } tools[] = {{PbBtn6, 0, "起動画面再表示", 1},
               {PbBtn3, 21, "フォルダ作成", 2},
               {PbBtn4, 42, "ファイル削除", 2},
               {PbBtn5, 68, "コピー", 2},
               {PbBtn2, 89, "保存", 2}};
  for (const auto& t : tools) {
    Place(t.b, t.left, 0, 21, 21, {}, t.hint);
    t.b.BevelWidth = t.bevel;
  }
  PbBtn6.SetEnabled(false);
  Place(Button1, 63, 0, 5, 21);
  PbBtn6.Set_Picture(Artwork::MainWindowMiniature());
  PbBtn3.Set_Picture(Artwork::NewFolder());
  PbBtn4.Set_Picture(Artwork::Scissors());
  PbBtn5.Set_Picture(Artwork::TwoDocuments());
  PbBtn2.Set_Picture(Artwork::FloppyDisk());

  Place(Label5, 8, 40, 218, 21, "メモトレー /  MEMOTRAY");
  Label5.SetFont(MakeFont(21, true, red));
  Place(Label8, 233, 31, 81, 13, "クリップボード");
  Label8.SetFont(MakeFont(13, true, green));
  for (TImage* image : {&Image2, &Image3, &Image4}) {
    Place(*image, 256, 48, 41, 41);
    image->Stretch = true;
  }
  Image2.SetPicture(std::make_shared<TBitmap>(Artwork::PictureIcon()));
  Image3.SetPicture(std::make_shared<TBitmap>(Artwork::TextIcon()));
  Image4.SetPicture(std::make_shared<TBitmap>(Artwork::EmptyIcon()));
  Place(Label11, 320, 30, 60, 13, "コンテンツ");
  Label11.SetFont(MakeFont(13, true, green));
  Place(Image1, 315, 46, 73, 73, {}, "クリックして拡大表示");
  Image1.Stretch = true;
  Place(Image5, 315, 46, 73, 73);
  Image5.Stretch = true;
  Image5.SetPicture(std::make_shared<TBitmap>(Artwork::EmptyIcon()));
  Place(Memo1, 315, 46, 73, 73, {}, "クリックして内容表示");
  Memo1.ReadOnly = true;
  Memo1.Flat = true;
  Memo1.WordWrap = false;
  Memo1.SetLines({"", "", "  TEXT"});
  Memo1.SetVisible(false);
  Memo1.SetColor(clWindow);
  Place(PbBtn1, 403, 50, 64, 64, {}, "保存する");
  PbBtn1.Set_Picture(Artwork::Emblem());
}

// The destination folder, the announcement of automatic saving, the next file's name.
void TStart::LayOutDestination() {
  const TColor green = clGreen, navy = clNavy, red = clRed, purple = clPurple;
  Place(Label6, 8, 76, 42, 13, "保存先");
  Label6.SetFont(MakeFont(13, true, green));
  Place(Label12, 80, 76, 50, 13);
  Label12.SetFont(MakeFont(13, true, purple));
  Place(Label7, 148, 76, 28, 13, "PNG");
  Label7.SetFont(MakeFont(13, true, red));
  Label7.SetVisible(false);
  Place(Label13, 199, 76, 28, 13, "TXT");
  Label13.SetFont(MakeFont(13, true, red));
  Label13.SetVisible(false);
  Place(Label3, 8, 94, 305, 13);
  Label3.SetFont(MakeFont(13, true, navy));
  Place(Label4, 8, 112, 60, 13, "ファイル名");
  Label4.SetFont(MakeFont(13, true, green));
  Place(Label1, 80, 112, 42, 13);
  Label1.SetFont(MakeFont(13, true, navy));
}

void TStart::LayOutLists() {
  const TFont listFont = MakeFont(12, true, clWindowText, "ＭＳ ゴシック");
  Place(DriveComboBox1, 8, 136, 289, 18, {}, "ドライブ選択");
  Place(DirectoryListBox1, 8, 160, 153, 217, {}, "右ｸﾘｯｸでﾌｫﾙﾀﾞ新規作成");
  Place(FileListBox1, 168, 160, 129, 217, {}, "選択して右ｸﾘｯｸで削除");
  for (TControl* list :
       {static_cast<TControl*>(&DriveComboBox1), static_cast<TControl*>(&DirectoryListBox1),
        static_cast<TControl*>(&FileListBox1)}) {
    list->SetFont(listFont);
    list->SetColor(clWindow);
  }
  DriveComboBox1.DirList = &DirectoryListBox1;
  DirectoryListBox1.FileList = &FileListBox1;
  DirectoryListBox1.SetPopupMenu(&PopupMenu2);
  FileListBox1.SetPopupMenu(&PopupMenu1);
  FileListBox1.MultiSelect = true;
  FileListBox1.SetMask("*.jpg");
}

// The option and name column: check boxes, the two radio groups, the name, the number and
// the buttons.
void TStart::LayOutOptions() {
  const TColor green = clGreen, navy = clNavy, red = clRed, purple = clPurple;
  Place(CBView, 308, 126, 73, 17, "ビューア", "画像またはテキスト表示");
  CBView.SetFont(MakeFont(13, true, purple));
  Place(CBAutoSave, 308, 144, 78, 15, "自動保存", "コピーすれば直ちに保存する");
  CBAutoSave.SetFont(MakeFont(13, true, red));
  Place(CBOverWrite, 400, 144, 97, 17, "上書き");
  CBOverWrite.SetChecked(true);
  Place(RadioGroup1, 304, 160, 161, 57, "ファイル形式（拡張子）", "保存ファイル形式の指定");
  RadioGroup1.Columns = 2;
  RadioGroup1.SetItems({"JPG", "PNG", "BMP", "TXT"});
  RadioGroup1.SetItemIndex(1);
  Place(RadioGroup2, 304, 218, 161, 33, "連番形式", "連番号桁数の指定");
  RadioGroup2.Columns = 3;
  RadioGroup2.SetItems({"#0", "#00", "#000"});
  RadioGroup2.SetItemIndex(1);
  RadioGroup2.SetFont(MakeFont(13, true, clWindowText, "ＭＳ ゴシック"));
  for (TControl* c : {static_cast<TControl*>(&CBView), static_cast<TControl*>(&CBAutoSave),
                      static_cast<TControl*>(&CBOverWrite), static_cast<TControl*>(&RadioGroup1),
                      static_cast<TControl*>(&RadioGroup2), static_cast<TControl*>(&CBSeque),
                      static_cast<TControl*>(&CBSave)})
    c->SetColor(Color());
  Place(Label10, 316, 259, 70, 13, "基準文字列");
  Label10.SetFont(MakeFont(13, true, green));
  Place(CBSeque, 404, 257, 65, 17, "連番号");
  CBSeque.SetFont(MakeFont(13, true, green));
  CBSeque.SetChecked(true);
  Place(EdFname, 312, 275, 101, 21, {}, "連番号の前に付ける文字列");
  Place(EdDummy, 412, 275, 33, 21);
  EdDummy.SetText("0");
  Place(EdNumber, 412, 275, 33, 21, {}, "連番号");
  EdNumber.SetText("0");
  for (TEdit* edit : {&EdFname, &EdDummy, &EdNumber}) {
    edit->SetFont(MakeFont(13, true, navy));
    edit->SetColor(clWindow);
  }
  EdDummy.SetFont(MakeFont(13, true, clWindowText));
  Place(UpDown1, 445, 275, 15, 21);
  UpDown1.SetRange(0, 99);
  UpDown1.Associate = &EdDummy;
  Place(BtnCopy, 312, 307, 75, 25, "コピー(&C)", "選択したﾌｧｲﾙをｸﾘｯﾌﾟﾎﾞｰﾄﾞへ");
  BtnCopy.SetFont(MakeFont(13, true, red));
  Place(PbSave, 392, 307, 75, 25, "保存(&S)");
  PbSave.SetColor(clRed);
  PbSave.SetFont(MakeFont(13, true, clWindowText));
  Place(BtnReset, 312, 338, 75, 25, "リセット(&R)", "ファイル番号を0に戻す");
  BtnReset.SetFont(MakeFont(12, true, clWindowText));
  Place(Button3, 392, 338, 75, 25, "終了(&Q)");
  Place(CBSave, 391, 365, 79, 17, "設定保存", "終了時の設定を保存する");
  CBSave.SetFont(MakeFont(13, true, green));
  Place(Label9, 303, 371, 84, 11, "(c) memotray");
  Label9.SetFont(MakeFont(11, true, purple));
}

void TStart::LayOutMenus() {
  N9.SetChecked(true);
  N12.SetVisible(false);
  N14.SetEnabled(false);
}
