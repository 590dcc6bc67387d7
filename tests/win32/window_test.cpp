// The real windows of the program under Wine: the main window's frame, controls and menus as
// native objects, user input through them reaching the handlers, and no echo of the model's
// own changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/forms_create.h"
#include "app/start.h"
#include "forms/folder.h"
#include "platform/win32/win32_peer.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_windows.h"
#include "tests/common/workfolder.h"
#include "ui/application.h"

namespace {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_ = std::make_unique<ScopedWorkFolder>();
    app_ = std::make_unique<TApplication>(platform_);
    SetApplication(app_.get());
    CreateMemotrayForms(*app_);
    start_ = Start;
    main_ = HandleOf(*start_);
  }
  void TearDown() override {
    app_.reset();
    SetApplication(nullptr);
    ForgetMemotrayForms();
    work_.reset();
  }

  static std::string Text(HWND h) {
    std::wstring text(512, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(h, text.data(), 512)));
    return Narrow(text);
  }
  static std::string ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return Narrow(name);
  }
  // The control's rectangle in its parent's client coordinates.
  static RECT Placement(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  std::unique_ptr<ScopedWorkFolder> work_;
  TWin32Platform platform_;
  std::unique_ptr<TApplication> app_;
  TStart* start_ = nullptr;
  HWND main_ = nullptr;
};

TEST_F(WindowTest, MainWindowFrame) {
  ASSERT_NE(main_, nullptr);
  EXPECT_EQ(Text(main_), "メモトレー　MEMOTRAY Ver2.32");
  RECT client{};
  GetClientRect(main_, &client);
  EXPECT_EQ(client.right, 475);
  EXPECT_EQ(client.bottom, 386);
  const LONG_PTR style = GetWindowLongPtrW(main_, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);  // a fixed border
  EXPECT_TRUE(style & WS_CAPTION);
}

struct Expected {
  const char* name;
  const char* windowClass;
  const char* text;
  int left, top, width, height;
};

TEST_F(WindowTest, ControlsAreNativeWindowsAtTheirPlaces) {
  const Expected controls[] = {
      {"EdFname", "Edit", "", 312, 275, 101, 21},
      {"EdNumber", "Edit", "00", 412, 275, 33, 21},
      {"BtnCopy", "Button", "コピー(&C)", 312, 307, 75, 25},
      {"BtnReset", "Button", "リセット(&R)", 312, 338, 75, 25},
      {"Button3", "Button", "終了(&Q)", 392, 338, 75, 25},
      {"CBView", "Button", "ビューア", 308, 126, 73, 17},
      {"CBSave", "Button", "設定保存", 391, 365, 79, 17},
      {"RadioGroup1", "Button", "ファイル形式（拡張子）", 304, 160, 161, 57},
      {"FileListBox1", "ListBox", "", 168, 160, 129, 217},
      {"DirectoryListBox1", "ListBox", "", 8, 160, 153, 217},
      {"UpDown1", "msctls_updown32", "", 445, 275, 15, 21},
      {"Label4", "Static", "ファイル名", 8, 112, -1, 13},
      {"PbSave", "MemotrayWindow", "", 392, 307, 75, 25},
      {"Image1", "MemotrayWindow", "", 315, 46, 73, 73},
  };
  for (const Expected& e : controls) {
    const auto it = std::find_if(start_->Controls().begin(), start_->Controls().end(),
                                 [&](TControl* c) { return c->Name == e.name; });
    ASSERT_NE(it, start_->Controls().end()) << e.name;
    HWND h = HandleOf(**it);
    ASSERT_NE(h, nullptr) << e.name;
    EXPECT_EQ(GetParent(h), main_) << e.name;
    EXPECT_STRCASEEQ(ClassOf(h).c_str(), e.windowClass) << e.name;
    if (*e.text) {
      EXPECT_EQ(Text(h), e.text) << e.name;
    }
    const RECT r = Placement(h);
    EXPECT_EQ(r.left, e.left) << e.name;
    EXPECT_EQ(r.top, e.top) << e.name;
    if (e.width >= 0) {
      EXPECT_EQ(r.right - r.left, e.width) << e.name;
    }
    EXPECT_EQ(r.bottom - r.top, e.height) << e.name;
  }
  EXPECT_FALSE(IsWindowVisible(HandleOf(start_->Memo1)));
  EXPECT_EQ(SendMessageW(HandleOf(start_->CBOverWrite), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(HandleOf(start_->CBSave), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(IsWindowEnabled(HandleOf(start_->PbSave)));
}

TEST_F(WindowTest, MenusCarryTheirCaptionsAndStates) {
  HMENU bar = GetMenu(main_);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 5);
  const char* titles[] = {"ファイル(&F)", "編集(&E)", "表示(&D)", "オプション(&O)", "ヘルプ(&H)"};
  for (int i = 0; i < 5; ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    EXPECT_EQ(Narrow(text), titles[i]);
  }
  HMENU file = GetSubMenu(bar, 0);
  wchar_t first[64] = {};
  GetMenuStringW(file, 0, first, 64, MF_BYPOSITION);
  EXPECT_EQ(Narrow(first), "大文字ファイル名");
  HMENU target = GetSubMenu(file, 2);
  ASSERT_NE(target, nullptr);
  EXPECT_TRUE(GetMenuState(target, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(target, 1, MF_BYPOSITION) & MF_CHECKED);
  HMENU show = GetSubMenu(bar, 2);
  EXPECT_EQ(GetMenuItemCount(show), 2);  // the real-size item is hidden
  EXPECT_TRUE(GetMenuState(show, 1, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(WindowTest, TypedTextAndClicksReachTheHandlers) {
  HWND number = HandleOf(start_->EdNumber);
  SendMessageW(number, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5"));
  EXPECT_EQ(start_->EdNumber.Text(), "5");
  EXPECT_EQ(start_->Label1.Caption(), "5.jpg");
  EXPECT_EQ(Text(HandleOf(start_->Label1)), "5.jpg");
  // Typed into the edit a character at a time, as the keyboard does.
  HWND name = HandleOf(start_->EdFname);
  for (wchar_t c : std::wstring(L"メモ")) SendMessageW(name, WM_CHAR, c, 1);
  EXPECT_EQ(start_->EdFname.Text(), "メモ");
  EXPECT_EQ(start_->Label1.Caption(), "メモ5.jpg");
  SendMessageW(HandleOf(start_->BtnReset), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(start_->EdNumber.Text(), "00");
  EXPECT_EQ(Text(number), "00");
  SendMessageW(HandleOf(start_->CBOverWrite), BM_CLICK, 0, 0);
  EXPECT_FALSE(start_->CBOverWrite.Checked());
  EXPECT_EQ(SendMessageW(HandleOf(start_->CBOverWrite), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A radio button of the format group.
  int clicks = 0;
  start_->RadioGroup1.OnClick = [&](TObject* s) {
    ++clicks;
    start_->RadioGroup1Click(s);
  };
  HWND bmp = nullptr;
  for (HWND h = GetWindow(main_, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
    if (Text(h) == "bmp") bmp = h;
  ASSERT_NE(bmp, nullptr);
  SendMessageW(bmp, BM_CLICK, 0, 0);
  EXPECT_EQ(start_->RadioGroup1.ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(start_->Label1.Caption(), "メモ00.bmp");
}

TEST_F(WindowTest, UpDownArrowsMoveTheNumber) {
  HWND updown = HandleOf(start_->UpDown1);
  RECT r{};
  GetClientRect(updown, &r);
  const LPARAM upper = MAKELPARAM(r.right / 2, r.bottom / 4);
  SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  SendMessageW(updown, WM_LBUTTONUP, 0, upper);
  Pump();
  EXPECT_EQ(start_->FFileNumber, 1);
  EXPECT_EQ(Text(HandleOf(start_->EdNumber)), "01");
}

TEST_F(WindowTest, ProgramChangesAreNotEchoedAsInput) {
  int changes = 0;
  start_->EdFname.OnChange = [&](TObject* s) {
    ++changes;
    start_->EdFnameChange(s);
  };
  start_->EdFname.SetText("abc");
  Pump();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Text(HandleOf(start_->EdFname)), "abc");
  int checks = 0;
  start_->CBView.OnClick = [&](TObject*) { ++checks; };
  start_->CBView.SetChecked(true);
  Pump();
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(SendMessageW(HandleOf(start_->CBView), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(WindowTest, PictureButtonClicksWhilePressed) {
  HWND button = HandleOf(start_->PbBtn1);
  std::vector<TBevelCut> seen;
  start_->PbBtn1.OnClick = [&](TObject*) { seen.push_back(start_->PbBtn1.BevelOuter()); };
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(GetCapture(), button);
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(seen, std::vector<TBevelCut>{TBevelCut::bvLowered});
  EXPECT_EQ(start_->PbBtn1.BevelOuter(), TBevelCut::bvRaised);
  EXPECT_NE(GetCapture(), button);
}

TEST_F(WindowTest, TabAndMnemonicsWorkOnTheRealWindows) {
  ShowWindow(main_, SW_SHOW);
  SetForegroundWindow(main_);
  HWND name = HandleOf(start_->EdFname);
  SetFocus(name);
  ASSERT_EQ(GetFocus(), name);
  auto key = [&](UINT message, WPARAM code) {
    MSG msg{GetFocus(), message, code, 0, 0, {}};
    return TranslateKeyboard(msg);
  };
  EXPECT_TRUE(key(WM_KEYDOWN, VK_TAB));
  EXPECT_EQ(GetFocus(), HandleOf(start_->EdDummy));
  EXPECT_TRUE(key(WM_KEYDOWN, VK_TAB));  // the format group: its checked radio button
  EXPECT_EQ(PeerOfWindow(GetFocus()), start_->RadioGroup1.Peer());
  EXPECT_NE(GetFocus(), HandleOf(start_->RadioGroup1));
  start_->EdNumber.SetText("5");
  EXPECT_TRUE(key(WM_SYSCHAR, 'r'));
  EXPECT_EQ(start_->EdNumber.Text(), "00");
  EXPECT_FALSE(key(WM_SYSCHAR, 'f'));  // left to the menu bar
}

// What the timer below saw while the dialog was up, and which of its buttons it pressed.
struct DialogVisit {
  HWND main = nullptr;
  HWND cancel = nullptr;
  bool dialogVisible = false;
  bool mainEnabled = true;
  bool done = false;
};
DialogVisit visit;

void CALLBACK PressCancel(HWND, UINT, UINT_PTR id, DWORD) {
  if (visit.done) return;
  visit.done = true;
  KillTimer(nullptr, id);
  visit.dialogVisible = IsWindowVisible(GetParent(visit.cancel));
  visit.mainEnabled = IsWindowEnabled(visit.main);
  SendMessageW(visit.cancel, BM_CLICK, 0, 0);
}

TEST_F(WindowTest, SubFolderDialogIsModalForReal) {
  visit = {};
  visit.main = main_;
  visit.cancel = HandleOf(Folder->Button2);
  ShowWindow(main_, SW_SHOW);
  // The person at the dialog: once the nested loop runs, look, then press Cancel.
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, PressCancel);
  ASSERT_NE(timer, 0u);
  start_->N2Click(&start_->N2);
  EXPECT_TRUE(visit.done);
  EXPECT_TRUE(visit.dialogVisible);
  EXPECT_FALSE(visit.mainEnabled);
  EXPECT_TRUE(IsWindowEnabled(main_));
  EXPECT_FALSE(IsWindowVisible(HandleOf(*Folder)));
  EXPECT_FALSE(Folder->FAccepted);
  EXPECT_EQ(Text(HandleOf(Folder->Label1)), start_->Label3.Caption());
}

}  // namespace
