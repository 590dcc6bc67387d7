// The folder and file lists: the mask, the copy button, deleting files and making sub-folders.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "forms/folder.h"
#include "tests/app/startfixture.h"
#include "ui/paths.h"

namespace {

std::vector<std::string> FolderNames(const TDirectoryListBox& list) {
  std::vector<std::string> names;
  for (const auto& e : list.Items()) names.push_back(e.text);
  return names;
}

bool Lists(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST_F(StartTest, FileListShowsTheFormatsFilesWhateverTheirCase) {
  Touch({"a.jpg", "B.JPG", "c.Jpg", "d.png", "e.jpeg", "notes.txt"});
  TStart& s = *start_;
  s.FileListBox1.Update();
  EXPECT_EQ(s.FileListBox1.Items(), (std::vector<std::string>{"a.jpg", "B.JPG", "c.Jpg"}));
  s.RadioGroup1.UserSelect(1);
  EXPECT_EQ(s.FileListBox1.Items(), std::vector<std::string>{"d.png"});
  s.RadioGroup1.UserSelect(3);
  EXPECT_EQ(s.FileListBox1.Items(), std::vector<std::string>{"notes.txt"});
}

TEST_F(StartTest, CopyButtonFollowsTheSelection) {
  Touch({"a.jpg", "b.jpg"});
  TStart& s = *start_;
  s.FileListBox1.Update();
  EXPECT_FALSE(s.BtnCopy.Enabled());
  s.FileListBox1.UserSelect({0, 1});
  EXPECT_TRUE(s.BtnCopy.Enabled());
  s.FileListBox1.UserSelect({});
  EXPECT_FALSE(s.BtnCopy.Enabled());
}

TEST_F(StartTest, DeletingNothingSelectedAsksNothing) {
  Touch({"a.jpg"});
  start_->FileListBox1.Update();
  start_->BtnCopy.SetEnabled(true);
  start_->DelFile.UserClick();
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_FALSE(start_->BtnCopy.Enabled());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "a.jpg"));
}

TEST_F(StartTest, DeletingAnsweredCancelKeepsFilesAndSelection) {
  Touch({"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
  TStart& s = *start_;
  s.FileListBox1.Update();
  s.FileListBox1.UserSelect({0, 2, 3});
  s.Image1.SetVisible(true);
  s.Image5.SetVisible(false);
  platform_.answers = {mrCancel};
  s.PbBtn4.UserMouseDown(TMouseButton::mbLeft, 5, 5);
  s.PbBtn4.UserMouseUp(TMouseButton::mbLeft, 5, 5);
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0].text, "3 個のファイルを削除しますか");
  EXPECT_EQ(platform_.messages[0].caption, "ファイル削除");
  EXPECT_EQ(platform_.messages[0].buttons, mbOKCancel);
  EXPECT_EQ(s.FileListBox1.SelCount(), 3);
  EXPECT_TRUE(s.Image1.Visible());
  EXPECT_EQ(s.FileListBox1.Count(), 4);
}

TEST_F(StartTest, ConfirmedDeletionRemovesTheSelectedFiles) {
  Touch({"a.jpg", "b.jpg", "c.jpg", "keep.png"});
  TStart& s = *start_;
  s.FileListBox1.Update();
  s.FileListBox1.UserSelect({0, 2});
  s.Image1.SetVisible(true);
  s.Image5.SetVisible(false);
  s.Delete1.UserClick();
  EXPECT_EQ(s.FileListBox1.Items(), std::vector<std::string>{"b.jpg"});
  EXPECT_EQ(s.FileListBox1.SelCount(), 0);
  EXPECT_FALSE(s.BtnCopy.Enabled());
  EXPECT_FALSE(s.Image1.Visible());
  EXPECT_FALSE(s.Memo1.Visible());
  EXPECT_TRUE(s.Image5.Visible());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "keep.png"));
}

TEST_F(StartTest, DeletesMoreThanTwoHundredFiles) {
  std::vector<std::string> names;
  std::vector<int> all;
  for (int i = 0; i < 250; ++i) {
    std::string name = std::to_string(i);
    name += ".jpg";
    names.push_back(name);
    all.push_back(i);
  }
  Touch(names);
  TStart& s = *start_;
  s.FileListBox1.Update();
  s.FileListBox1.UserSelect(all);
  s.Delete1.UserClick();
  EXPECT_EQ(platform_.messages.at(0).text, "250 個のファイルを削除しますか");
  EXPECT_EQ(s.FileListBox1.Count(), 0);
}

TEST_F(StartTest, SubFolderDialogFlows) {
  TStart& s = *start_;
  std::vector<std::string> labels, shownNames;
  // First showing: OK with an empty name is refused and the dialog stays; then Cancel.
  platform_.modalScripts["Folder"] = [&](TForm&) {
    labels.push_back(Folder->Label1.Caption());
    Folder->Button1.UserClick();
    EXPECT_TRUE(Folder->Showing());
    Folder->Button2.UserClick();
  };
  s.N2.UserClick();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"フォルダ名が指定されていません"});
  EXPECT_EQ(labels, std::vector<std::string>{Dir()});
  // Then a name, confirmed.
  platform_.modalScripts["Folder"] = [&](TForm&) {
    shownNames.push_back(Folder->Edit1.Text());
    Folder->Edit1.UserSetText("新しい");
    Folder->Button1.UserClick();
  };
  s.MKFolder.UserClick();
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / PathFromUtf8("新しい")));
  EXPECT_TRUE(Lists(FolderNames(s.DirectoryListBox1), "新しい"));
  EXPECT_EQ(s.Label3.Caption(), Dir());
  EXPECT_TRUE(TakeMessages().empty());
  // The dialog offers the last name again; confirmed, the folder exists already.
  platform_.modalScripts["Folder"] = [&](TForm&) {
    shownNames.push_back(Folder->Edit1.Text());
    Folder->Button1.UserClick();
  };
  s.PbBtn3.UserMouseDown(TMouseButton::mbLeft, 1, 1);
  s.PbBtn3.UserMouseUp(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(shownNames, (std::vector<std::string>{"", "新しい"}));
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"フォルダを作成できませんでした"});
  // The close box creates nothing, even after an earlier confirmed use.
  platform_.modalScripts["Folder"] = [&](TForm&) {
    Folder->Edit1.UserSetText("other");
    Folder->UserCloseBox();
  };
  s.N2.UserClick();
  EXPECT_FALSE(std::filesystem::exists(folder_ / "other"));
}

TEST_F(StartTest, FolderListMovesOnADoubleClick) {
  std::filesystem::create_directory(folder_ / "sub");
  Touch({"top.jpg"});
  std::ofstream(folder_ / "sub" / "inner.jpg") << "x";
  TStart& s = *start_;
  s.DirectoryListBox1.Update();
  const auto& items = s.DirectoryListBox1.Items();
  const auto sub =
      std::find_if(items.begin(), items.end(), [](const auto& e) { return e.text == "sub"; });
  ASSERT_NE(sub, items.end());
  s.DirectoryListBox1.UserOpen(static_cast<int>(sub - items.begin()));
  EXPECT_EQ(s.Label3.Caption(), Utf8FromPath(folder_ / "sub"));
  EXPECT_EQ(s.FileListBox1.Items(), std::vector<std::string>{"inner.jpg"});
  EXPECT_TRUE(s.Image5.Visible());
  // Up again through the entry of the parent folder.
  s.DirectoryListBox1.UserOpen(s.DirectoryListBox1.ItemIndex() - 1);
  EXPECT_EQ(s.Label3.Caption(), Dir());
  EXPECT_EQ(s.FileListBox1.Items(), std::vector<std::string>{"top.jpg"});
}

}  // namespace
