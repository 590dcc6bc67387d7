// The settings file: its 17 lines, written on closing and read back at the next start.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/app/startfixture.h"
#include "ui/paths.h"

namespace {

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class SettingsTest : public StartTest {
 protected:
  std::filesystem::path Ini() const { return folder_ / "memotray.ini"; }
  // A settings file of the given lines, each ended by CR LF.
  void WriteIni(const std::vector<std::string>& lines) {
    std::ofstream out(Ini(), std::ios::binary);
    for (const std::string& l : lines) out << l << "\r\n";
  }
  std::vector<std::string> Lines(std::string folderLine, std::string format, std::string style,
                                 std::string target, std::string pictureFormat) {
    return {folderLine, format, style,  "memo",        "12", "0",   "0", "1", "1",
            "1",        "1",    target, pictureFormat, "1",  "TXT", "1", "0"};
  }
};

TEST_F(SettingsTest, WritesTheSeventeenLinesOfTheExample) {
  std::filesystem::create_directory(folder_ / "work");
  TStart& s = *start_;
  s.DirectoryListBox1.SetDirectory(Utf8FromPath(folder_ / "work"));
  s.RadioGroup1.UserSelect(1);
  s.EdFname.UserSetText("memo");
  s.EdNumber.UserSetText("12");
  s.N7.SetChecked(true);
  s.CBAutoSave.UserClick();
  s.CBSave.UserClick();
  s.Exit1.UserClick();
  const std::string expected =
      Utf8FromPath(folder_ / "work") +
      "\r\n1\r\n1\r\nmemo\r\n12\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n0\r\n1\r\n1\r\nTXT\r\n1\r\n0\r\n";
  EXPECT_EQ(ReadAll(Ini()), expected);
}

TEST_F(SettingsTest, ClosingWithSettingsKeptRestoresThemAtTheNextStart) {
  std::filesystem::create_directory(folder_ / "保存先");
  TStart& s = *start_;
  s.DirectoryListBox1.SetDirectory(Utf8FromPath(folder_ / "保存先"));
  s.RadioGroup1.UserSelect(2);
  s.RadioGroup2.UserSelect(2);
  s.EdFname.UserSetText("メモ");
  s.EdNumber.UserSetText("42");
  s.ExtType.UserClick();
  s.N7.SetChecked(true);
  s.CBOverWrite.UserClick();
  s.N11.UserClick();
  s.CBAutoSave.UserClick();
  s.CBSeque.UserClick();
  s.CBSeque.UserClick();
  s.FTextExt = "log";
  s.CBSave.UserClick();
  platform_.clipboard = {TClipFormat::Text};
  s.UserCloseBox();
  Restart();
  TStart& t = *start_;
  EXPECT_EQ(t.Label3.Caption(), Utf8FromPath(folder_ / "保存先"));
  EXPECT_EQ(t.RadioGroup1.ItemIndex(), 2);
  EXPECT_EQ(t.RadioGroup2.ItemIndex(), 2);
  EXPECT_EQ(t.EdFname.Text(), "メモ");
  EXPECT_EQ(t.EdNumber.Text(), "042");
  EXPECT_TRUE(t.FUpperCase);
  EXPECT_EQ(t.ExtType.Caption(), "小文字ファイル名");
  EXPECT_EQ(t.Label1.Caption(), "メモ042.BMP");
  EXPECT_TRUE(t.N7.Checked());
  EXPECT_EQ(t.Label8.Font().Color, clRed);
  EXPECT_FALSE(t.CBOverWrite.Checked());
  EXPECT_TRUE(t.CBSave.Checked());
  EXPECT_TRUE(t.CBAutoSave.Checked());
  EXPECT_TRUE(t.FAutoSaveOn);
  EXPECT_EQ(t.Label12.Caption(), "自動保存");
  EXPECT_TRUE(t.N11.Checked());
  EXPECT_FALSE(t.N9.Checked());
  EXPECT_TRUE(t.Label7.Visible());
  EXPECT_TRUE(t.Label13.Visible());
  EXPECT_EQ(t.FTextExt, "log");
  EXPECT_EQ(t.RadioGroup1.Items()[3], "LOG");
  EXPECT_TRUE(platform_.clipboard.empty());
}

TEST_F(SettingsTest, ClosingWithoutKeepingThemStartsFromTheDefaults) {
  start_->EdFname.UserSetText("gone");
  start_->CBSave.UserClick();
  start_->Exit1.UserClick();
  ASSERT_TRUE(std::filesystem::exists(Ini()));
  Restart();
  start_->CBSave.UserClick();
  start_->Exit1.UserClick();
  EXPECT_FALSE(std::filesystem::exists(Ini()));
  Restart();
  EXPECT_EQ(start_->EdFname.Text(), "");
  EXPECT_EQ(start_->Label1.Caption(), "00.jpg");
}

TEST_F(SettingsTest, LinesAreReadAsTheFileHasThem) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int format, style;
    const char* label7;
    int pictureFormat;
  };
  const Case cases[] = {
      {"text format keeps line 13", Lines(Dir(), "3", "1", "0", "2"), 3, 1, "BMP", 2},
      {"bmp decides the picture format", Lines(Dir(), "2", "1", "0", "0"), 2, 1, "BMP", 2},
      {"style past the last item", Lines(Dir(), "0", "7", "0", "1"), 0, 2, "PNG", 1},
  };
  for (const Case& c : cases) {
    WriteIni(c.lines);
    Restart();
    EXPECT_EQ(start_->RadioGroup1.ItemIndex(), c.format) << c.name;
    EXPECT_EQ(start_->RadioGroup2.ItemIndex(), c.style) << c.name;
    EXPECT_EQ(start_->Label7.Caption(), c.label7) << c.name;
    EXPECT_EQ(start_->FAutoPictureFormat, c.pictureFormat) << c.name;
  }
}

TEST_F(SettingsTest, FlagsAndNumbersReadLikeAtol) {
  std::vector<std::string> lines = Lines(Dir(), "0", "1", "1", "0");
  lines[4] = "x";      // the number
  lines[8] = "5";      // overwrite: any value but 0 is set
  lines[13] = " -0z";  // the sequence number switch: 0
  lines[15] = "0";     // the target: texts only, as line 12 says
  lines[16] = "7";
  WriteIni(lines);
  Restart();
  EXPECT_EQ(start_->FFileNumber, 0);
  EXPECT_TRUE(start_->CBOverWrite.Checked());
  EXPECT_FALSE(start_->CBSeque.Checked());
  EXPECT_TRUE(start_->N10.Checked());
  EXPECT_TRUE(start_->Label13.Visible());
  EXPECT_FALSE(start_->Label7.Visible());
}

TEST_F(SettingsTest, MissingFolderFallsBackToTheStartUpDirectory) {
  WriteIni(Lines(Utf8FromPath(folder_ / "no-longer-here"), "1", "1", "0", "1"));
  Restart();
  EXPECT_EQ(start_->Label3.Caption(), Dir());
  EXPECT_EQ(start_->DirectoryListBox1.Directory(), Dir());
  EXPECT_EQ(start_->RadioGroup1.ItemIndex(), 1);
}

TEST_F(SettingsTest, LongLinesAndAShortFileDoNotBreakTheStart) {
  const std::string deep = Utf8FromPath(folder_ / std::string(120, 'd'));
  std::filesystem::create_directory(PathFromUtf8(deep));
  WriteIni({deep, "1", "1", std::string(300, 'b')});
  Restart();
  EXPECT_EQ(start_->Label3.Caption(), deep);
  EXPECT_EQ(start_->EdFname.Text(), std::string(300, 'b'));
  EXPECT_EQ(start_->FTextExt, "");
  TStart& s = *start_;
  s.MakeSavePath();
  EXPECT_EQ(s.FSavePath, deep + platform_.PathDelimiter() + s.Label1.Caption());
}

}  // namespace
