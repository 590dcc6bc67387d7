// The next file's name: base string, number and its style, format, letter case, and the path.
#include "tests/app/startfixture.h"

namespace {

TEST_F(StartTest, NameFromBaseStyleNumberAndFormat) {
  TStart& s = *start_;
  s.EdFname.UserSetText("memo");
  s.RadioGroup2.UserSelect(2);
  s.EdNumber.UserSetText("7");
  s.RadioGroup1.UserSelect(1);
  EXPECT_EQ(s.Label1.Caption(), "memo7.png");  // typed numbers go in as typed
  s.UpDown1.UserArrow(TUDBtnType::btNext);
  s.UpDown1.UserArrow(TUDBtnType::btPrev);
  EXPECT_EQ(s.EdNumber.Text(), "007");
  EXPECT_EQ(s.Label1.Caption(), "memo007.png");
  s.ExtType.UserClick();
  EXPECT_EQ(s.Label1.Caption(), "MEMO007.PNG");
  EXPECT_EQ(s.EdFname.Text(), "MEMO");
  EXPECT_EQ(s.ExtType.Caption(), "小文字ファイル名");
  EXPECT_EQ(s.RadioGroup1.Items()[1], "PNG");
  EXPECT_EQ(s.FSavePath, s.FullPath("MEMO007.PNG"));
  EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(StartTest, EmptyNameIsRefusedEachTimeItIsRebuilt) {
  TStart& s = *start_;
  s.CBSeque.UserClick();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"ファイル名が確定されていません"});
  EXPECT_FALSE(s.PbSave.Enabled());
  EXPECT_EQ(s.Label1.Caption(), ".jpg");
  EXPECT_FALSE(s.EdNumber.Enabled());
  s.EdFname.UserSetText("a");
  EXPECT_TRUE(s.PbSave.Enabled());
  s.EdFname.UserSetText("");
  s.RadioGroup1.UserSelect(2);
  EXPECT_EQ(TakeMessages().size(), 2u);
  s.CBSeque.UserClick();
  EXPECT_EQ(s.Label1.Caption(), "00.bmp");
  EXPECT_TRUE(s.PbSave.Enabled());
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(StartTest, MessageHasItsCaptionAndOneButton) {
  start_->CBSeque.UserClick();
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0].caption, "ファイル名エラー");
  EXPECT_EQ(platform_.messages[0].buttons, mbOK);
}

TEST_F(StartTest, EmptiedNumberKeepsThePreviousName) {
  start_->EdNumber.UserSetText("");
  EXPECT_EQ(start_->Label1.Caption(), "00.jpg");
  EXPECT_TRUE(platform_.messages.empty());
}

struct Limit {
  int style;
  int max;
  const char* shown;
};

TEST_F(StartTest, NumberStopsAtTheStylesMaximum) {
  const Limit limits[] = {{0, 999, "999"}, {1, 99, "99"}, {2, 999, "999"}};
  for (const Limit& l : limits) {
    TStart& s = *start_;
    s.RadioGroup2.UserSelect(l.style);
    s.UpDown1.SetPosition(l.max - 1);
    s.UpDown1.UserArrow(TUDBtnType::btNext);
    s.UpDown1.UserArrow(TUDBtnType::btNext);
    EXPECT_EQ(s.UpDown1.Max(), l.max) << l.style;
    EXPECT_EQ(s.EdNumber.Text(), l.shown) << l.style;
    EXPECT_EQ(s.FFileNumber, l.max) << l.style;
    s.BtnReset.UserClick();
    s.UpDown1.UserArrow(TUDBtnType::btPrev);
    EXPECT_EQ(s.FFileNumber, 0) << l.style;
  }
}

TEST_F(StartTest, StyleChangeReformatsTheNumber) {
  TStart& s = *start_;
  s.UpDown1.SetPosition(5);
  s.UpDown1.UserArrow(TUDBtnType::btNext);
  s.UpDown1.UserArrow(TUDBtnType::btPrev);
  EXPECT_EQ(s.EdNumber.Text(), "05");
  s.RadioGroup2.UserSelect(2);
  EXPECT_EQ(s.EdNumber.Text(), "005");
  EXPECT_EQ(s.Label1.Caption(), "005.jpg");
  s.RadioGroup2.UserSelect(0);
  EXPECT_EQ(s.Label1.Caption(), "5.jpg");
}

TEST_F(StartTest, NonIntegerNumberShowsTheConversionError) {
  TStart& s = *start_;
  s.RadioGroup2.UserSelect(2);
  s.EdNumber.UserSetText("12");
  EXPECT_EQ(s.Label1.Caption(), "12.jpg");
  EXPECT_EQ(s.FFileNumber, 12);
  s.EdNumber.UserSetText("1x");
  ASSERT_EQ(platform_.errors.size(), 1u);
  EXPECT_EQ(platform_.errors[0].text, "'1x' は整数ではありません");
  EXPECT_EQ(platform_.errors[0].caption, app_->Title);
  EXPECT_EQ(s.Label1.Caption(), "12.jpg");
  EXPECT_EQ(s.FFileNumber, 12);
  // A number above the maximum is used as typed; the arrows bring it back into the range.
  s.EdNumber.UserSetText("4000");
  EXPECT_EQ(s.Label1.Caption(), "4000.jpg");
  EXPECT_EQ(s.UpDown1.Position(), 999);
}

TEST_F(StartTest, TextFormatUsesTheTextExtension) {
  TStart& s = *start_;
  s.FTextExt = "log";
  s.ExtType.UserClick();
  s.RadioGroup1.UserSelect(3);
  EXPECT_EQ(s.Label1.Caption(), "00.LOG");
  EXPECT_EQ(s.FileListBox1.Mask(), "*.log");
  EXPECT_EQ(s.Label13.Caption(), "log");
  EXPECT_EQ(s.FTextExt, "log");
}

TEST_F(StartTest, LetterCaseChangesAsciiLettersOnly) {
  TStart& s = *start_;
  const std::string base = "メモabcÄｱz";
  s.EdFname.UserSetText(base);
  s.ExtType.UserClick();
  EXPECT_EQ(s.EdFname.Text(), "メモABCÄｱZ");
  s.ExtType.UserClick();
  EXPECT_EQ(s.EdFname.Text(), base);
}

TEST_F(StartTest, SavePathAddsOneSeparatorExceptAfterADriveRoot) {
  TStart& s = *start_;
  s.Label3.SetCaption("C:\\");
  s.MakeSavePath();
  EXPECT_EQ(s.FSavePath, "C:\\00.jpg");
  s.Label3.SetCaption("C:\\work");
  s.MakeSavePath();
  EXPECT_EQ(s.FSavePath, std::string("C:\\work") + platform_.PathDelimiter() + "00.jpg");
  const std::string deep(400, 'd');  // longer than any fixed buffer the name could have had
  s.Label3.SetCaption(deep);
  s.MakeSavePath();
  EXPECT_EQ(s.FSavePath, deep + platform_.PathDelimiter() + "00.jpg");
}

}  // namespace
