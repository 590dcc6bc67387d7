#include "platform/win32/win32_stdpeers.h"

#include <cstring>
#include <vector>

#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_listpeers.h"
#include "platform/win32/win32_ownpeers.h"
#include "platform/win32/win32_text.h"
#include "ui/comctrls.h"
#include "ui/stdctrls.h"

namespace {

std::wstring WindowText(HWND h) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The parent's colour behind labels, which have none of their own.
HBRUSH ParentBackground(const TControl& c, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return ControlColours(dc, c.Font().Color, c.Parent() ? c.Parent()->Color() : c.Color());
}

// Labels size themselves to their text, as the class library's labels do.
class LabelPeer : public TWin32Peer {
 public:
  using TWin32Peer::TWin32Peer;
  HBRUSH OnCtlColor(HDC dc) override { return ParentBackground(Control(), dc); }

 protected:
  void Apply(TProp what) override {
    TWin32Peer::Apply(what);
    if (what != TProp::Caption && what != TProp::Font && what != TProp::Bounds) return;
    const std::wstring text = Widen(Control().Caption());
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, FontFor(Control().Font()));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    SetWindowPos(Handle(), nullptr, 0, 0, text.empty() ? Control().Width() : size.cx,
                 Control().Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
};

class EditPeer : public TWin32Peer {
 public:
  EditPeer(TEdit& edit, HWND h) : TWin32Peer(edit, h), edit_(edit) {}
  void OnCommand(WORD code, int) override {
    if (code != EN_CHANGE || applying_) return;
    edit_.UserSetText(Narrow(WindowText(Handle())));
  }
  HBRUSH OnCtlColor(HDC dc) override {
    return ControlColours(dc, edit_.Enabled() ? edit_.Font().Color : clBtnShadow, edit_.Color());
  }

 protected:
  void Apply(TProp what) override {
    if (what != TProp::Text) return;
    // Unchanged text is left alone, so the caret stays where the user is typing.
    const std::wstring text = Widen(edit_.Text());
    if (WindowText(Handle()) != text) SetWindowTextW(Handle(), text.c_str());
  }

 private:
  TEdit& edit_;
};

class MemoPeer : public TWin32Peer {
 public:
  MemoPeer(TMemo& memo, HWND h) : TWin32Peer(memo, h), memo_(memo) {}

 protected:
  void Apply(TProp what) override {
    if (what != TProp::Lines) return;
    std::string text;
    for (std::size_t i = 0; i < memo_.Lines().size(); ++i) {
      if (i) text += "\r\n";
      text += memo_.Lines()[i];
    }
    SetWindowTextW(Handle(), Widen(text).c_str());
  }

 private:
  TMemo& memo_;
};

// Push buttons are drawn by the program so that their font colour shows.
class ButtonPeer : public TWin32Peer {
 public:
  ButtonPeer(TButton& button, HWND h) : TWin32Peer(button, h), button_(button) {}
  void OnCommand(WORD code, int) override {
    if (code == BN_CLICKED) button_.UserClick();
  }
  void OnDrawItem(DRAWITEMSTRUCT* item) override {
    RECT r = item->rcItem;
    const bool pushed = item->itemState & ODS_SELECTED;
    DrawFrameControl(item->hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    if (pushed) OffsetRect(&r, 1, 1);
    HGDIOBJ old = SelectObject(item->hDC, FontFor(button_.Font()));
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, ToColorRef(button_.Enabled() ? button_.Font().Color : clBtnShadow));
    const std::wstring text = Widen(button_.Caption());
    DrawTextW(item->hDC, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item->hDC, old);
    if (item->itemState & ODS_FOCUS) {
      RECT focus = item->rcItem;
      InflateRect(&focus, -4, -4);
      DrawFocusRect(item->hDC, &focus);
    }
  }

 protected:
  void Apply(TProp what) override {
    TWin32Peer::Apply(what);
    if (what == TProp::Font) InvalidateRect(Handle(), nullptr, TRUE);
  }

 private:
  TButton& button_;
};

class CheckBoxPeer : public TWin32Peer {
 public:
  CheckBoxPeer(TCheckBox& box, HWND h) : TWin32Peer(box, h), box_(box) {}
  void OnCommand(WORD code, int) override {
    if (code == BN_CLICKED && !applying_) box_.UserClick();
  }

 protected:
  void Apply(TProp what) override {
    TWin32Peer::Apply(what);
    if (what == TProp::Checked)
      SendMessageW(Handle(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  TCheckBox& box_;
};

// A group box with its radio buttons beside it in the same parent, laid out in columns as the
// class library's radio group does.
class RadioGroupPeer : public TWin32Peer {
 public:
  RadioGroupPeer(TRadioGroup& group, HWND h, HWND parent)
      : TWin32Peer(group, h), group_(group), parent_(parent) {}
  ~RadioGroupPeer() override {
    for (HWND b : buttons_) DestroyWindow(b);
  }
  void OnCommand(WORD code, int part) override {
    if (code == BN_CLICKED && part >= 0 && !applying_) group_.UserSelect(part);
  }
  // The checked radio button, or the first one.
  HWND FocusWindow() const override {
    const int i = group_.ItemIndex();
    if (buttons_.empty()) return Handle();
    return buttons_[i >= 0 && i < static_cast<int>(buttons_.size()) ? static_cast<std::size_t>(i)
                                                                    : 0];
  }

 protected:
  void ForEachPart(void (*f)(HWND, void*), void* context) override {
    for (HWND b : buttons_) f(b, context);
  }
  void Apply(TProp what) override {
    TWin32Peer::Apply(what);
    if (what == TProp::Items) MakeButtons();
    if (what == TProp::Items || what == TProp::Bounds || what == TProp::Font) Arrange();
    if (what == TProp::Items || what == TProp::ItemIndex)
      for (std::size_t i = 0; i < buttons_.size(); ++i)
        SendMessageW(buttons_[i], BM_SETCHECK,
                     static_cast<int>(i) == group_.ItemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  void MakeButtons() {
    const auto& items = group_.Items();
    while (buttons_.size() > items.size()) {
      UnregisterPart(buttons_.back());
      DestroyWindow(buttons_.back());
      buttons_.pop_back();
    }
    while (buttons_.size() < items.size()) {
      HWND b = CreateChildWindow(L"BUTTON", BS_RADIOBUTTON, 0, parent_, group_);
      SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(group_.Font())), FALSE);
      EnableWindow(b, group_.Enabled());
      RegisterPart(b, this, static_cast<int>(buttons_.size()));
      buttons_.push_back(b);
    }
    for (std::size_t i = 0; i < items.size(); ++i)
      SetWindowTextW(buttons_[i], Widen(items[i]).c_str());
  }
  void Arrange() {
    if (buttons_.empty()) return;
    const int columns = group_.Columns > 0 ? group_.Columns : 1;
    const int count = static_cast<int>(buttons_.size());
    const int perColumn = (count + columns - 1) / columns;
    const int text = group_.Font().Height + 3;
    const int inner = group_.Height() - text - 5;
    const int rowHeight = inner / perColumn;
    const int topMargin = text + 1 + (inner % perColumn) / 2;
    const int columnWidth = (group_.Width() - 10) / columns;
    for (int i = 0; i < count; ++i) {
      const int col = i / perColumn, row = i % perColumn;
      SetWindowPos(
          buttons_[static_cast<std::size_t>(i)], HWND_TOP, group_.Left() + 8 + col * columnWidth,
          group_.Top() + topMargin + row * rowHeight, columnWidth, rowHeight, SWP_NOACTIVATE);
    }
  }

  TRadioGroup& group_;
  HWND parent_;
  std::vector<HWND> buttons_;
};

// The arrows only: the model keeps the position and moves it itself.
class UpDownPeer : public TWin32Peer {
 public:
  UpDownPeer(TUpDown& updown, HWND h) : TWin32Peer(updown, h), updown_(updown) {}
  LRESULT OnNotify(NMHDR* header) override {
    if (header->code != UDN_DELTAPOS) return 0;
    const auto* change = reinterpret_cast<NMUPDOWN*>(header);
    updown_.UserArrow(change->iDelta > 0 ? TUDBtnType::btNext : TUDBtnType::btPrev);
    return TRUE;
  }

 protected:
  void Apply(TProp what) override {
    if (what == TProp::Range) SendMessageW(Handle(), UDM_SETRANGE32, updown_.Min(), updown_.Max());
    if (what == TProp::Position || what == TProp::Range)
      SendMessageW(Handle(), UDM_SETPOS32, 0, updown_.Position());
  }

 private:
  TUpDown& updown_;
};

}  // namespace

HWND CreateChildWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent,
                       const TControl& control) {
  const DWORD visible = control.Visible() ? WS_VISIBLE : 0;
  HWND h = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | visible | style,
                           control.Left(), control.Top(), control.Width(), control.Height(), parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return h;
}

std::unique_ptr<TWin32Peer> CreateChildPeer(TControl& c, HWND parent) {
  const std::string kind = c.ClassName();
  if (kind == "TLabel")
    return std::make_unique<LabelPeer>(c, CreateChildWindow(L"STATIC", SS_LEFT, 0, parent, c));
  if (kind == "TEdit")
    return std::make_unique<EditPeer>(
        static_cast<TEdit&>(c),
        CreateChildWindow(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, parent, c));
  if (kind == "TMemo")
    return std::make_unique<MemoPeer>(
        static_cast<TMemo&>(c),
        CreateChildWindow(L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, 0,
                          parent, c));
  if (kind == "TButton")
    return std::make_unique<ButtonPeer>(
        static_cast<TButton&>(c),
        CreateChildWindow(L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0, parent, c));
  if (kind == "TCheckBox")
    return std::make_unique<CheckBoxPeer>(
        static_cast<TCheckBox&>(c),
        CreateChildWindow(L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, parent, c));
  if (kind == "TRadioGroup")
    return std::make_unique<RadioGroupPeer>(static_cast<TRadioGroup&>(c),
                                            CreateChildWindow(L"BUTTON", BS_GROUPBOX, 0, parent, c),
                                            parent);
  if (kind == "TUpDown")
    return std::make_unique<UpDownPeer>(
        static_cast<TUpDown&>(c), CreateChildWindow(UPDOWN_CLASSW, UDS_ARROWKEYS, 0, parent, c));
  if (auto peer = CreateListPeer(c, parent)) return peer;
  return CreateOwnPeer(c, parent);
}
