// The text-extension dialog and what the main window does after it.
#include "forms/textext.h"

#include "tests/app/startfixture.h"

namespace {

TEST_F(StartTest, TextExtensionConfirmed) {
  Touch({"a.csv", "b.txt"});
  TStart& s = *start_;
  std::string offered;
  platform_.modalScripts["TextExt"] = [&](TForm&) {
    offered = TextExt->Edit1.Text();
    TextExt->Edit1.UserSetText("csv");
    TextExt->Button1.UserClick();
  };
  s.N15.UserClick();
  EXPECT_EQ(offered, "TXT");
  EXPECT_EQ(s.FTextExt, "csv");
  EXPECT_EQ(s.RadioGroup1.Items()[3], "csv");
  EXPECT_EQ(s.RadioGroup1.ItemIndex(), 3);
  EXPECT_EQ(s.FileListBox1.Items(), std::vector<std::string>{"a.csv"});
  EXPECT_EQ(s.Label1.Caption(), "00.csv");
  EXPECT_EQ(s.Label13.Caption(), "csv");
  s.ExtType.UserClick();
  EXPECT_EQ(s.Label1.Caption(), "00.CSV");
}

TEST_F(StartTest, TextExtensionOfAnyLengthIsKept) {
  const std::string longExtension(40, 'e');
  platform_.modalScripts["TextExt"] = [&](TForm&) {
    TextExt->Edit1.UserSetText(longExtension);
    TextExt->Button1.UserClick();
  };
  start_->N15.UserClick();
  EXPECT_EQ(start_->FTextExt, longExtension);
  EXPECT_EQ(start_->Label1.Caption(), "00." + longExtension);
}

// Cancel and the close box keep the extension but select the text format all the same. The
// format reaction runs twice when another format was chosen, once when text already was: an
// empty name makes each run show its message, which counts them.
TEST_F(StartTest, TextExtensionCancelledStillSelectsTheTextFormat) {
  struct Case {
    const char* name;
    int formatBefore;
    void (*leave)();
    std::size_t reactions;
  };
  const Case cases[] = {
      {"cancel", 1, [] { TextExt->Button2.UserClick(); }, 2},
      {"close box", 2, [] { TextExt->UserCloseBox(); }, 2},
      {"cancel on text", 3, [] { TextExt->Button2.UserClick(); }, 1},
      {"unchanged OK", 0, [] { TextExt->Button1.UserClick(); }, 2},
  };
  TStart& s = *start_;
  s.CBSeque.UserClick();
  for (const Case& c : cases) {
    s.RadioGroup1.UserSelect(c.formatBefore);
    s.RadioGroup1.SetItem(3, "other");
    TakeMessages();
    platform_.modalScripts["TextExt"] = [&](TForm&) { c.leave(); };
    s.N15.UserClick();
    EXPECT_EQ(s.FTextExt, "TXT") << c.name;
    EXPECT_EQ(s.RadioGroup1.ItemIndex(), 3) << c.name;
    EXPECT_EQ(s.RadioGroup1.Items()[3], "TXT") << c.name;
    EXPECT_EQ(s.FileListBox1.Mask(), "*.TXT") << c.name;
    EXPECT_EQ(TakeMessages().size(), c.reactions) << c.name;
  }
}

}  // namespace
