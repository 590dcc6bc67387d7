// Tab order and mnemonics of the main window.
#include "ui/keyboard.h"

#include "tests/app/startfixture.h"

namespace {

TEST_F(StartTest, TabWalksTheDesignOrderSkippingWhatCannotTakeTheFocus) {
  TStart& s = *start_;
  const std::vector<TControl*> expected = {
      &s.EdDummy,    &s.RadioGroup1, &s.CBSeque,        &s.BtnReset,          &s.Button3,
      &s.EdNumber,   &s.RadioGroup2, &s.DriveComboBox1, &s.DirectoryListBox1, &s.FileListBox1,
      &s.CBAutoSave, &s.CBView,      &s.CBSave,         &s.CBOverWrite,       &s.EdFname};
  std::vector<TControl*> walked;
  const TControl* at = &s.EdFname;
  for (std::size_t i = 0; i < expected.size(); ++i)
    walked.push_back(const_cast<TControl*>(at = NextInTabOrder(s, at, false)));
  EXPECT_EQ(walked, expected);  // up-down, picture buttons, the disabled copy button, the hidden
                                // memo and the cool bar are left out
  EXPECT_EQ(NextInTabOrder(s, &s.EdFname, true), &s.CBOverWrite);
  s.Memo1.SetVisible(true);
  s.BtnCopy.SetEnabled(true);
  EXPECT_EQ(NextInTabOrder(s, &s.FileListBox1, false), &s.BtnCopy);
  EXPECT_EQ(NextInTabOrder(s, &s.BtnCopy, false), &s.Memo1);
}

TEST_F(StartTest, AltAndTheUnderlinedLetterPressesTheButton) {
  TStart& s = *start_;
  EXPECT_EQ(MnemonicTarget(s, 'r'), &s.BtnReset);
  EXPECT_EQ(MnemonicTarget(s, 'Q'), &s.Button3);
  EXPECT_EQ(MnemonicTarget(s, 'c'), nullptr);  // the copy button is disabled
  EXPECT_EQ(MnemonicTarget(s, 's'), nullptr);  // a picture button takes no mnemonic
  s.EdNumber.UserSetText("7");
  PressMnemonic(*MnemonicTarget(s, 'r'));
  EXPECT_EQ(s.EdNumber.Text(), "00");
}

}  // namespace
