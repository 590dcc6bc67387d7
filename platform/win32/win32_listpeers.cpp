#include "platform/win32/win32_listpeers.h"

#include <vector>

#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_stdpeers.h"
#include "platform/win32/win32_text.h"
#include "ui/filectrl.h"

namespace {

class DrivePeer : public TWin32Peer {
 public:
  DrivePeer(TDriveComboBox& combo, HWND h) : TWin32Peer(combo, h), combo_(combo) {}
  void OnCommand(WORD code, int) override {
    if (code != CBN_SELCHANGE || applying_) return;
    combo_.UserSelect(static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
  }

 protected:
  void Apply(TProp what) override {
    if (what == TProp::Bounds)  // the height of a drop-down list includes its list
      MoveWindow(Handle(), combo_.Left(), combo_.Top(), combo_.Width(), combo_.Height() + 200,
                 TRUE);
    if (what == TProp::Items) {
      SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : combo_.Items())
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    if (what == TProp::Items || what == TProp::ItemIndex)
      SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
  }

 private:
  TDriveComboBox& combo_;
};

// The folder tree drawn as the classic folder list: open folders from the root down to the
// current one, each a step further in, then the closed sub-folders below it.
class DirectoryPeer : public TWin32Peer {
 public:
  DirectoryPeer(TDirectoryListBox& list, HWND h) : TWin32Peer(list, h), list_(list) {}
  void OnCommand(WORD code, int) override {
    if (code != LBN_DBLCLK || applying_) return;
    list_.UserOpen(static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)));
  }
  void OnDrawItem(DRAWITEMSTRUCT* item) override {
    if (item->itemID >= list_.Items().size()) return;
    const auto& entry = list_.Items()[item->itemID];
    const bool selected = item->itemState & ODS_SELECTED;
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    FillRect(dc, &r, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : BrushFor(list_.Color()));
    const int x = r.left + 2 + entry.level * 8;
    const bool open = static_cast<int>(item->itemID) <= list_.ItemIndex();
    RECT tab{x, r.top + 3, x + 6, r.top + 5}, body{x, r.top + 5, x + 14, r.bottom - 2};
    HBRUSH yellow = BrushFor(MakeColor(255, 220, 80));
    FillRect(dc, &tab, yellow);
    FillRect(dc, &body, open ? BrushFor(MakeColor(255, 240, 160)) : yellow);
    FrameRect(dc, &body, BrushFor(MakeColor(128, 96, 0)));
    HGDIOBJ old = SelectObject(dc, FontFor(list_.Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ToColorRef(list_.Font().Color));
    RECT text = r;
    text.left = x + 18;
    const std::wstring name = Widen(entry.text);
    DrawTextW(dc, name.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
  }

 protected:
  void Apply(TProp what) override {
    if (what != TProp::Items) return;
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, list_.ItemHeight);
    for (const auto& entry : list_.Items())
      SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry.text).c_str()));
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
  }

 private:
  TDirectoryListBox& list_;
};

class FileListPeer : public TWin32Peer {
 public:
  FileListPeer(TFileListBox& list, HWND h) : TWin32Peer(list, h), list_(list) {}
  void OnCommand(WORD code, int) override {
    if (code != LBN_SELCHANGE || applying_) return;
    const int n = static_cast<int>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
    std::vector<int> selected(static_cast<std::size_t>(n > 0 ? n : 0));
    if (n > 0)
      SendMessageW(Handle(), LB_GETSELITEMS, static_cast<WPARAM>(n),
                   reinterpret_cast<LPARAM>(selected.data()));
    // The focused entry goes last: it is the one a click moved to.
    const int caret = static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
    for (std::size_t i = 0; i < selected.size(); ++i)
      if (selected[i] == caret) std::swap(selected[i], selected.back());
    list_.UserSelect(selected);
  }

 protected:
  void Apply(TProp what) override {
    if (what == TProp::Items) {
      SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
      SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, list_.ItemHeight);
      for (const std::string& name : list_.Items())
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
    }
    if (what == TProp::Items || what == TProp::Selection)
      for (int i = 0; i < list_.Count(); ++i)
        SendMessageW(Handle(), LB_SETSEL, list_.Selected(i), i);
  }

 private:
  TFileListBox& list_;
};

}  // namespace

std::unique_ptr<TWin32Peer> CreateListPeer(TControl& c, HWND parent) {
  const std::string kind = c.ClassName();
  const DWORD list = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
  if (kind == "TDriveComboBox")
    return std::make_unique<DrivePeer>(
        static_cast<TDriveComboBox&>(c),
        CreateChildWindow(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, parent, c));
  if (kind == "TDirectoryListBox")
    return std::make_unique<DirectoryPeer>(
        static_cast<TDirectoryListBox&>(c),
        CreateChildWindow(L"LISTBOX", list | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, WS_EX_CLIENTEDGE,
                          parent, c));
  if (kind == "TFileListBox")
    return std::make_unique<FileListPeer>(
        static_cast<TFileListBox&>(c),
        CreateChildWindow(L"LISTBOX", list | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE, parent, c));
  return nullptr;
}
