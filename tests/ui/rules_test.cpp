// The class library's rules: a value set by program raises the control's handler only when it
// really changes; setting a check mark raises nothing; an exception that leaves a handler is
// shown in the standard error box where the input came in, and the program goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/headless/headless_platform.h"
#include "ui/application.h"
#include "ui/comctrls.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"

namespace {

class RulesTest : public ::testing::Test {
 protected:
  RulesTest() { SetApplication(&app_); }
  ~RulesTest() override { SetApplication(nullptr); }
  THeadlessPlatform platform_;
  TApplication app_{platform_};
  TForm form_{"Form"};
  int raised_ = 0;
  TNotifyEvent count_ = [this](TObject*) { ++raised_; };
};

TEST_F(RulesTest, OnlyRealChangesRaiseHandlers) {
  TEdit edit{&form_, "Edit"};
  TCheckBox box{&form_, "Box"};
  TRadioGroup group{&form_, "Group"};
  group.SetItems({"a", "b"});
  edit.OnChange = box.OnClick = group.OnClick = count_;
  edit.SetText("x");
  edit.SetText("x");
  box.SetChecked(true);
  box.SetChecked(true);
  group.SetItemIndex(1);
  group.SetItemIndex(1);
  EXPECT_EQ(raised_, 3);
  box.UserClick();  // the user's click toggles and raises like a program's change
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(raised_, 4);
  group.SetItem(1, "B");  // a caption is not a selection
  EXPECT_EQ(raised_, 4);
}

TEST_F(RulesTest, CheckMarksRaiseNothing) {
  TMenuItem item{"Item", "caption"};
  item.OnClick = count_;
  item.SetChecked(true);
  EXPECT_EQ(raised_, 0);
  item.UserClick();
  EXPECT_EQ(raised_, 1);
  item.SetEnabled(false);
  item.UserClick();
  EXPECT_EQ(raised_, 1);
}

TEST_F(RulesTest, HandlerExceptionIsShownAndTheProgramGoesOn) {
  app_.Title = "app";
  TEdit edit{&form_, "Edit"};
  edit.OnChange = [](TObject*) { throw std::runtime_error("bad input"); };
  edit.UserSetText("x");
  edit.OnChange = count_;
  edit.UserSetText("y");
  ASSERT_EQ(platform_.errors.size(), 1u);
  EXPECT_EQ(platform_.errors[0].text, "bad input");
  EXPECT_EQ(platform_.errors[0].caption, "app");
  EXPECT_EQ(raised_, 1);
  EXPECT_EQ(edit.Text(), "y");
}

TEST_F(RulesTest, HandlersMayNestAndUpDownKeepsItsRange) {
  TUpDown updown{&form_, "UpDown"};
  TEdit buddy{&form_, "Buddy"};
  updown.SetRange(0, 3);
  updown.Associate = &buddy;
  buddy.OnChange = count_;
  updown.OnClick = [&](TObject*, TUDBtnType) { buddy.SetText("from the click"); };
  updown.UserArrow(TUDBtnType::btNext);
  EXPECT_EQ(updown.Position(), 1);
  EXPECT_EQ(buddy.Text(), "from the click");
  EXPECT_EQ(raised_, 2);  // the buddy followed the position, then the click changed it
  updown.SetPosition(40);
  EXPECT_EQ(updown.Position(), 3);
  updown.SetRange(0, 2);
  EXPECT_EQ(updown.Position(), 2);
  updown.SetPosition(-5);
  EXPECT_EQ(updown.Position(), 0);
}

}  // namespace
