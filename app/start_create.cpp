// Start-up, quitting, the clipboard indicator and the thumbnail fit of the main window.
#include <filesystem>
#include <system_error>

#include "app/start.h"
#include "forms/graph.h"
#include "ui/application.h"
#include "ui/clipbrd.h"
#include "ui/paths.h"

void TStart::ConnectHandlers() {
  using namespace std::placeholders;
  auto bind = [this](void (TStart::*handler)(TObject*)) {
    return [this, handler](TObject* sender) { (this->*handler)(sender); };
  };
  OnCreate = bind(&TStart::FormCreate);
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
  Button3.OnClick = bind(&TStart::Button3Click);
  Exit1.OnClick = bind(&TStart::Exit1Click);
  EdFname.OnChange = bind(&TStart::EdFnameChange);
  EdNumber.OnChange = bind(&TStart::EdNumberChange);
  UpDown1.OnClick = [this](TObject* sender, TUDBtnType b) { UpDown1Click(sender, b); };
  BtnReset.OnClick = bind(&TStart::BtnResetClick);
  CBSeque.OnClick = bind(&TStart::CBSequeClick);
  RadioGroup2.OnClick = bind(&TStart::RadioGroup2Click);
  RadioGroup1.OnClick = bind(&TStart::RadioGroup1Click);
  ExtType.OnClick = bind(&TStart::ExtTypeClick);
  N5.OnClick = [](TObject*) {};  // only opens its sub-menu
  DriveComboBox1.OnChange = bind(&TStart::DriveComboBox1Change);
  DirectoryListBox1.OnChange = bind(&TStart::DirectoryListBox1Change);
  FileListBox1.OnChange = bind(&TStart::FileListBox1Change);
  Delete1.OnClick = bind(&TStart::Delete1Click);
  DelFile.OnClick = bind(&TStart::DelFileClick);
  PbBtn4.OnClick = bind(&TStart::PbBtn4Click);
  N2.OnClick = bind(&TStart::N2Click);
  MKFolder.OnClick = bind(&TStart::MKFolderClick);
  PbBtn3.OnClick = bind(&TStart::PbBtn3Click);
  N15.OnClick = bind(&TStart::N15Click);
  CBAutoSave.OnClick = bind(&TStart::CBAutoSaveClick);
  N9.OnClick = bind(&TStart::N9Click);
  N10.OnClick = bind(&TStart::N10Click);
  N11.OnClick = bind(&TStart::N11Click);
}

void TStart::FormCreate(TObject*) {
  FAutoSavePicture = true;
  FAutoSaveText = false;
  std::error_code ec;
  const std::string startDirectory = Utf8FromPath(std::filesystem::current_path(ec));
  // The separator goes in even after a drive root, as the settings file has always been found.
  FIniPath = startDirectory + Application().Platform().PathDelimiter() + "memotray.ini";
  FTextExt = "TXT";
  RadioGroup1.SetItem(3, FTextExt);
  FFileNumber = 0;
  RadioGroup1.SetItemIndex(0);
  RadioGroup2.SetItemIndex(1);
  FUpperCase = true;
  ExtTypeClick(&ExtType);
  DirectoryListBox1.SetDirectory(startDirectory);
  DriveComboBox1.Refresh();
  std::string folder = DirectoryListBox1.Directory();
  FUpperCase = false;
  Label12.SetCaption("");
  if (std::filesystem::exists(PathFromUtf8(FIniPath), ec)) ReadSettings(folder);
  UpDown1.SetPosition(FFileNumber);
  ShowFileNumber();
  Label1.SetCaption("");
  UpdateFileName();
  Label3.SetCaption(folder);
  Clipboard().Clear();
  CwClipDetector1ClipChange(this);
  FMainShown = true;
}

void TStart::Button3Click(TObject*) {
  if (Application().MessageBox("終了してよろしいですか　　　　　　　", "プログラムの終了",
                               mbOKCancel) != mrOk)
    return;
  KeepOrDropSettings();
  Close();
}

void TStart::Exit1Click(TObject*) { Close(); }

// Whichever way the window closes, the settings are written when they are to be kept, and an
// old file is deleted when they are not.
void TStart::FormClose(TObject*, TCloseAction&) { KeepOrDropSettings(); }

void TStart::KeepOrDropSettings() {
  if (CBSave.Checked()) {
    SaveSettings();
    return;
  }
  std::error_code ec;
  std::filesystem::remove(PathFromUtf8(FIniPath), ec);
}

// Which of the three indicator images shows, and how the save button looks.
void TStart::CwClipDetector1ClipChange(TObject*) {
  TClipboard clipboard = Clipboard();
  const bool picture = clipboard.HasFormat(TClipFormat::Bitmap);
  const bool text = !picture && clipboard.HasFormat(TClipFormat::Text);
  Image2.SetVisible(picture);
  Image3.SetVisible(text);
  Image4.SetVisible(!picture && !text);
  PbSave.SetEnabled(picture || text);
  PbSave.SetColor(picture || text ? clRed : clSilver);
}

// Scales a picture into a square box of side `box` without enlarging it. The ratio is kept as
// a 32-bit float and the short side truncated, so it can come out one pixel below the exact
// value (76 x 76 in 73 gives 73 x 72). The product is taken in double precision: rounded to a
// float, 100 x 20 in 45 would give 45 x 9 instead of 45 x 8. Every call also decides whether the
// viewer offers its real-size button: the last fitted picture wins.
void TStart::FitThumbnail(int box, int width, int height, int& shownWidth, int& shownHeight) {
  const bool reduce = width > box || height > box;
  if (Graph) Graph->Button2.SetEnabled(reduce);
  if (!reduce) {
    shownWidth = width;
    shownHeight = height;
  } else if (width >= height) {
    const float r = static_cast<float>(box) / static_cast<float>(width);
    shownWidth = box;
    shownHeight = static_cast<int>(height * static_cast<double>(r));
  } else {
    const float r = static_cast<float>(box) / static_cast<float>(height);
    shownWidth = static_cast<int>(width * static_cast<double>(r));
    shownHeight = box;
  }
}
