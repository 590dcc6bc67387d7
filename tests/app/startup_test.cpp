// Start-up without a settings file, the order of the windows, and the three ways of quitting.
#include <fstream>

#include "forms/auxforms.h"
#include "forms/folder.h"
#include "forms/graph.h"
#include "forms/textext.h"
#include "tests/app/startfixture.h"
#include "ui/paths.h"

namespace {

TEST_F(StartTest, StartsWithEveryDefault) {
  TStart& s = *start_;
  EXPECT_EQ(app_->Title, "メモトレー MEMOTRAY 2.32");
  EXPECT_EQ(s.Caption(), "メモトレー　MEMOTRAY Ver2.32");
  EXPECT_EQ(s.RadioGroup1.ItemIndex(), 0);
  EXPECT_EQ(s.RadioGroup2.ItemIndex(), 1);
  EXPECT_EQ(s.RadioGroup1.Items(), (std::vector<std::string>{"jpg", "png", "bmp", "txt"}));
  EXPECT_EQ(s.EdNumber.Text(), "00");
  EXPECT_EQ(s.EdFname.Text(), "");
  EXPECT_EQ(s.Label1.Caption(), "00.jpg");
  EXPECT_EQ(s.ExtType.Caption(), "大文字ファイル名");
  EXPECT_FALSE(s.FUpperCase);
  EXPECT_EQ(s.FTextExt, "TXT");
  EXPECT_EQ(s.FFileNumber, 0);
  EXPECT_EQ(s.UpDown1.Max(), 99);
  EXPECT_EQ(s.FileListBox1.Mask(), "*.jpg");
  EXPECT_EQ(s.Label3.Caption(), Dir());
  EXPECT_EQ(s.FIniPath, Dir() + platform_.PathDelimiter() + "memotray.ini");
  EXPECT_EQ(s.Label12.Caption(), "");
  EXPECT_FALSE(s.Label7.Visible());
  EXPECT_FALSE(s.Label13.Visible());
  EXPECT_TRUE(s.CBSeque.Checked());
  EXPECT_TRUE(s.CBOverWrite.Checked());
  EXPECT_FALSE(s.CBAutoSave.Checked());
  EXPECT_FALSE(s.CBSave.Checked());
  EXPECT_TRUE(s.N9.Checked());
  EXPECT_FALSE(s.N10.Checked());
  EXPECT_FALSE(s.N14.Enabled());
  EXPECT_FALSE(s.N12.Visible());
  EXPECT_FALSE(s.PbBtn6.Enabled());
  // The clipboard held a text before the start and was emptied.
  EXPECT_TRUE(platform_.clipboard.empty());
  EXPECT_EQ(platform_.clipboardClears, 1);
  EXPECT_FALSE(s.Image2.Visible());
  EXPECT_FALSE(s.Image3.Visible());
  EXPECT_TRUE(s.Image4.Visible());
  EXPECT_FALSE(s.PbSave.Enabled());
  EXPECT_EQ(s.PbSave.Color(), clSilver);
  EXPECT_TRUE(s.FMainShown);
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_TRUE(platform_.errors.empty());
}

TEST_F(StartTest, MakesTheSevenWindowsWithTheMainOneFirst) {
  EXPECT_EQ(app_->MainForm(), Start);
  for (TForm* form :
       std::initializer_list<TForm*>{Start, AboutBox, HowTo, Folder, Save, Graph, TextExt})
    ASSERT_NE(form, nullptr);
  EXPECT_EQ(Folder->Caption(), "フォルダ作成");
  EXPECT_EQ(TextExt->Caption(), "テキストファイル拡張子");
}

TEST_F(StartTest, QuitButtonAnsweredCancelChangesNothing) {
  Touch({"memotray.ini"});
  platform_.answers = {mrCancel};
  start_->Button3.UserClick();
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0].text, "終了してよろしいですか　　　　　　　");
  EXPECT_EQ(platform_.messages[0].caption, "プログラムの終了");
  EXPECT_EQ(platform_.messages[0].buttons, mbOKCancel);
  EXPECT_FALSE(platform_.terminated);
  EXPECT_TRUE(std::filesystem::exists(folder_ / "memotray.ini"));
}

TEST_F(StartTest, QuittingWithoutKeepingSettingsDeletesTheFile) {
  struct Way {
    const char* name;
    void (*quit)(TStart&);
    std::size_t questions;
  };
  const Way ways[] = {
      {"button", [](TStart& s) { s.Button3.UserClick(); }, 1},
      {"menu", [](TStart& s) { s.Exit1.UserClick(); }, 0},
      {"close box", [](TStart& s) { s.UserCloseBox(); }, 0},
  };
  for (const Way& way : ways) {
    Touch({"memotray.ini"});
    platform_.terminated = false;
    platform_.messages.clear();
    way.quit(*start_);
    EXPECT_TRUE(platform_.terminated) << way.name;
    EXPECT_EQ(platform_.messages.size(), way.questions) << way.name;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "memotray.ini")) << way.name;
  }
}

struct Fit {
  int box, w, h, shownW, shownH;
  bool reduced;
};

TEST_F(StartTest, FitThumbnailTable) {
  const Fit cases[] = {
      {73, 100, 50, 73, 36, true},      {73, 50, 100, 36, 73, true},
      {73, 73, 73, 73, 73, false},      {73, 74, 10, 73, 9, true},
      {73, 40, 20, 40, 20, false},      {73, 76, 76, 73, 72, true},
      {73, 100, 100, 73, 73, true},     {45, 90, 90, 45, 45, true},
      {45, 100, 20, 45, 8, true},       {45, 49, 49, 45, 44, true},
      {45, 1000, 10, 45, 0, true},      {78, 78, 200, 30, 78, true},
      {600, 1024, 768, 600, 450, true}, {600, 600, 600, 600, 600, false},
  };
  for (const Fit& c : cases) {
    int w = -1, h = -1;
    start_->FitThumbnail(c.box, c.w, c.h, w, h);
    EXPECT_EQ(w, c.shownW) << c.box << ": " << c.w << "x" << c.h;
    EXPECT_EQ(h, c.shownH) << c.box << ": " << c.w << "x" << c.h;
    EXPECT_EQ(Graph->Button2.Enabled(), c.reduced) << c.box << ": " << c.w << "x" << c.h;
  }
}

}  // namespace
