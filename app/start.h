#pragma once
// The main window: the destination folder, the file name and format, the indicators of what
// the clipboard and the last saved file hold, the menus, and the state the handlers work on.
#include <string>

#include "components/pbbtn.h"
#include "ui/comctrls.h"
#include "ui/extctrls.h"
#include "ui/filectrl.h"
#include "ui/form.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"

class TStart : public TForm {
 public:
  TStart();

  // Top and indicator area.
  TCoolBar CoolBar1{this, "CoolBar1"};
  TToolBar ToolBar1{&CoolBar1, "ToolBar1"};
  TPbBtn PbBtn6{&ToolBar1, "PbBtn6"};
  TPbBtn PbBtn3{&ToolBar1, "PbBtn3"};
  TPbBtn PbBtn4{&ToolBar1, "PbBtn4"};
  TButton Button1{&ToolBar1, "Button1"};
  TPbBtn PbBtn5{&ToolBar1, "PbBtn5"};
  TPbBtn PbBtn2{&ToolBar1, "PbBtn2"};
  TLabel Label5{this, "Label5"};
  TLabel Label8{this, "Label8"};
  TImage Image2{this, "Image2"};
  TImage Image3{this, "Image3"};
  TImage Image4{this, "Image4"};
  TLabel Label11{this, "Label11"};
  TImage Image1{this, "Image1"};
  TImage Image5{this, "Image5"};
  TMemo Memo1{this, "Memo1"};
  TPbBtn PbBtn1{this, "PbBtn1"};
  // Destination and name area.
  TLabel Label6{this, "Label6"};
  TLabel Label12{this, "Label12"};
  TLabel Label7{this, "Label7"};
  TLabel Label13{this, "Label13"};
  TLabel Label3{this, "Label3"};
  TLabel Label4{this, "Label4"};
  TLabel Label1{this, "Label1"};
  // The lists.
  TDriveComboBox DriveComboBox1{this, "DriveComboBox1"};
  TDirectoryListBox DirectoryListBox1{this, "DirectoryListBox1"};
  TFileListBox FileListBox1{this, "FileListBox1"};
  // Option and name column.
  TCheckBox CBView{this, "CBView"};
  TCheckBox CBAutoSave{this, "CBAutoSave"};
  TCheckBox CBOverWrite{this, "CBOverWrite"};
  TRadioGroup RadioGroup1{this, "RadioGroup1"};
  TRadioGroup RadioGroup2{this, "RadioGroup2"};
  TLabel Label10{this, "Label10"};
  TCheckBox CBSeque{this, "CBSeque"};
  TEdit EdFname{this, "EdFname"};
  TEdit EdDummy{this, "EdDummy"};
  TEdit EdNumber{this, "EdNumber"};
  TUpDown UpDown1{this, "UpDown1"};
  TButton BtnCopy{this, "BtnCopy"};
  TPbBtn PbSave{this, "PbSave"};
  TButton BtnReset{this, "BtnReset"};
  TButton Button3{this, "Button3"};
  TCheckBox CBSave{this, "CBSave"};
  TLabel Label9{this, "Label9"};

  // Menus.
  TMainMenu MainMenu1;
  TMenuItem File1{"File1", "ファイル(&F)", &MainMenu1.Items};
  TMenuItem ExtType{"ExtType", "", &File1};
  TMenuItem N15{"N15", "テキストファイル拡張子", &File1};
  TMenuItem N5{"N5", "自動保存の対象", &File1};
  TMenuItem N9{"N9", "画像のみ", &N5};
  TMenuItem N10{"N10", "テキストのみ", &N5};
  TMenuItem N11{"N11", "画像，テキストともに", &N5};
  TMenuItem Exit1{"Exit1", "終了(&Q)", &File1};
  TMenuItem Edit1{"Edit1", "編集(&E)", &MainMenu1.Items};
  TMenuItem MKFolder{"MKFolder", "フォルダの作成", &Edit1};
  TMenuItem DelFile{"DelFile", "ファイルの削除", &Edit1};
  TMenuItem N13{"N13", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞを空にする", &Edit1};
  TMenuItem Show1{"Show1", "表示(&D)", &MainMenu1.Items};
  TMenuItem N4{"N4", "ツールバー表示", &Show1};
  TMenuItem N12{"N12", "実大サイズ画像", &Show1};
  TMenuItem N14{"N14", "起動画面を消す", &Show1};
  TMenuItem N6{"N6", "オプション(&O)", &MainMenu1.Items};
  TMenuItem N7{"N7", "保存してｸﾘｯﾌﾟﾎﾞｰﾄﾞを空にする", &N6};
  TMenuItem Help1{"Help1", "ヘルプ(&H)", &MainMenu1.Items};
  TMenuItem Tutorial1{"Tutorial1", "使い方", &Help1};
  TMenuItem About1{"About1", "バージョン情報", &Help1};
  TPopupMenu PopupMenu1{"PopupMenu1"};
  TMenuItem Delete1{"Delete1", "削除", &PopupMenu1.Items};
  TMenuItem N1{"N1", "キャンセル", &PopupMenu1.Items};
  TPopupMenu PopupMenu2{"PopupMenu2"};
  TMenuItem N2{"N2", "フォルダ新規作成", &PopupMenu2.Items};
  TMenuItem N3{"N3", "キャンセル", &PopupMenu2.Items};

  // Start-up and quitting.
  void FormCreate(TObject* sender);
  void Button3Click(TObject* sender);
  void Exit1Click(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  // Naming and numbers.
  void EdFnameChange(TObject* sender);
  void EdNumberChange(TObject* sender);
  void UpDown1Click(TObject* sender, TUDBtnType button);
  void BtnResetClick(TObject* sender);
  void CBSequeClick(TObject* sender);
  void RadioGroup2Click(TObject* sender);
  void RadioGroup1Click(TObject* sender);
  void ExtTypeClick(TObject* sender);
  // Lists, deleting, sub-folders.
  void DriveComboBox1Change(TObject* sender);
  void DirectoryListBox1Change(TObject* sender);
  void FileListBox1Change(TObject* sender);
  void Delete1Click(TObject* sender);
  void DelFileClick(TObject* sender);
  void PbBtn4Click(TObject* sender);
  void N2Click(TObject* sender);
  void MKFolderClick(TObject* sender);
  void PbBtn3Click(TObject* sender);
  // Text extension.
  void N15Click(TObject* sender);
  // Clipboard indicator and automatic saving.
  void CwClipDetector1ClipChange(TObject* sender);
  void CBAutoSaveClick(TObject* sender);
  void N9Click(TObject* sender);
  void N10Click(TObject* sender);
  void N11Click(TObject* sender);

  // Scales a picture into a square box without enlarging it (see the .cpp).
  void FitThumbnail(int box, int width, int height, int& shownWidth, int& shownHeight);

  // State read by the tests and by the other windows.
  int FFileNumber = 0;
  std::string FSavePath;
  bool FNameReady = false;
  bool FUpperCase = false;
  bool FAutoSaveOn = false;
  std::string FIniPath;
  int FAutoPictureFormat = 0;
  bool FAutoSavePicture = false;
  bool FAutoSaveText = false;
  bool FMainShown = false;
  std::string FTextExt;

  void MakeSavePath();
  void UpdateFileName();
  void ShowFileNumber();
  void ApplyLetterCase();
  void EditTextExtension();
  void SaveSettings();
  // The full path of `name` in the current folder: no separator after a drive root.
  std::string FullPath(const std::string& name) const;

 private:
  void LayOut();
  void LayOutTop();
  void LayOutDestination();
  void LayOutLists();
  void LayOutOptions();
  void LayOutMenus();
  void ConnectHandlers();
  void ShowContentPlaceholder();
  void ReadSettings(std::string& folder);
  void KeepOrDropSettings();
  void ChooseAutoSaveTarget(TMenuItem& chosen, bool pictures, bool texts);
};

extern TStart* Start;
