// The drive, folder and file lists of the main window: the current folder, the copy button's
// state, deleting the selected files and making a sub-folder.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/start.h"
#include "forms/folder.h"
#include "ui/application.h"
#include "ui/paths.h"

void TStart::DriveComboBox1Change(TObject*) {
  // A drive without a medium and the like: nothing is reported, the lists stay where they are.
  try {
    const int index = DriveComboBox1.ItemIndex();
    if (index < 0) return;
    DirectoryListBox1.SetDrive(DriveComboBox1.Items()[static_cast<std::size_t>(index)][0]);
  } catch (const std::exception&) {
  }
}

void TStart::ShowContentPlaceholder() {
  Image1.SetVisible(false);
  Memo1.SetVisible(false);
  Image5.SetVisible(true);
}

void TStart::DirectoryListBox1Change(TObject*) {
  Label3.SetCaption(DirectoryListBox1.Directory());
  if (FileListBox1.SelCount() > 0) {
    BtnCopy.SetEnabled(true);
    return;
  }
  BtnCopy.SetEnabled(false);
  ShowContentPlaceholder();
}

void TStart::FileListBox1Change(TObject*) { BtnCopy.SetEnabled(FileListBox1.SelCount() > 0); }

// Deletes every selected file, however many there are, after one question.
void TStart::Delete1Click(TObject*) {
  std::vector<std::string> paths;
  for (int i = 0; i < FileListBox1.Count(); ++i)
    if (FileListBox1.Selected(i))
      paths.push_back(FullPath(FileListBox1.Items()[static_cast<std::size_t>(i)]));
  if (paths.empty()) {
    BtnCopy.SetEnabled(false);
    return;
  }
  const std::string question = std::to_string(paths.size()) + " 個のファイルを削除しますか";
  if (Application().MessageBox(question, "ファイル削除", mbOKCancel) != mrOk) return;
  for (const std::string& path : paths) {
    std::error_code ec;  // a file that cannot go is left; the re-read shows what remains
    std::filesystem::remove(PathFromUtf8(path), ec);
  }
  FileListBox1.Update();
  ShowContentPlaceholder();
}

void TStart::DelFileClick(TObject* sender) { Delete1Click(sender); }

void TStart::PbBtn4Click(TObject* sender) { DelFileClick(sender); }

void TStart::N2Click(TObject*) {
  Folder->Label1.SetCaption(Label3.Caption());
  Folder->FAccepted = false;
  Folder->ShowModal();
  if (!Folder->FAccepted) return;
  const std::string path = FullPath(Folder->Edit1.Text());
  std::error_code ec;
  if (!std::filesystem::create_directory(PathFromUtf8(path), ec)) {
    Application().MessageBox("フォルダを作成できませんでした", "フォルダ作成エラー", mbOK);
    return;
  }
  DirectoryListBox1.Update();
}

void TStart::MKFolderClick(TObject* sender) { N2Click(sender); }

void TStart::PbBtn3Click(TObject* sender) { MKFolderClick(sender); }
