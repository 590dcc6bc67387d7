#include "platform/win32/win32_formpeer.h"

#include <functional>
#include <map>

#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_text.h"
#include "ui/application.h"

namespace {

std::map<UINT, TMenuItem*>& MenuIds() {
  static std::map<UINT, TMenuItem*> ids;
  return ids;
}

DWORD StyleOf(const TForm& form) {
  switch (form.BorderStyle) {
    case TBorderStyle::bsSingle:
      return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case TBorderStyle::bsDialog:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    default:
      return WS_OVERLAPPEDWINDOW;
  }
}

void ForEachControl(TControl& root, const std::function<void(TControl&)>& f) {
  for (TControl* c : root.Controls()) {
    f(*c);
    ForEachControl(*c, f);
  }
}

}  // namespace

UINT MenuIdOf(TMenuItem& item) {
  for (const auto& [id, known] : MenuIds())
    if (known == &item) return id;
  const UINT id = 1000 + static_cast<UINT>(MenuIds().size());
  MenuIds()[id] = &item;
  return id;
}

TMenuItem* MenuItemOfId(UINT id) {
  const auto it = MenuIds().find(id);
  return it == MenuIds().end() ? nullptr : it->second;
}

HMENU BuildPopup(TMenuItem& parent) {
  HMENU menu = CreatePopupMenu();
  for (TMenuItem* item : parent.Items()) {
    if (!item->Visible()) continue;
    UINT flags = MF_STRING | (item->Checked() ? MF_CHECKED : 0) | (item->Enabled() ? 0 : MF_GRAYED);
    UINT_PTR id = MenuIdOf(*item);
    if (!item->Items().empty()) {
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(BuildPopup(*item));
    }
    AppendMenuW(menu, flags, id, Widen(item->Caption()).c_str());
  }
  return menu;
}

TFormPeer::TFormPeer(TForm& form, HWND handle) : TWin32Peer(form, handle), form_(form) {}

TFormPeer::~TFormPeer() {
  if (form_.Menu) form_.Menu->Items.OnChanged = nullptr;
  DestroyWindow(Handle());
  if (menu_) DestroyMenu(menu_);
}

std::unique_ptr<TFormPeer> TFormPeer::Create(TForm& form) {
  HWND h = CreateWindowExW(0, OwnWindowClass(), Widen(form.Caption()).c_str(), StyleOf(form),
                           CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  auto peer = std::make_unique<TFormPeer>(form, h);
  peer->BuildMenu();
  peer->PlaceWindow();
  return peer;
}

// The outer rectangle that gives the designed client area, centred on the screen or at the
// designed place.
void TFormPeer::PlaceWindow() {
  RECT r{0, 0, form_.ClientWidth, form_.ClientHeight};
  AdjustWindowRectEx(&r, StyleOf(form_), menu_ != nullptr, 0);
  const int w = r.right - r.left, h = r.bottom - r.top;
  int x = form_.Left(), y = form_.Top();
  if (form_.Position == TPosition::poScreenCenter) {
    x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  }
  SetWindowPos(Handle(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormPeer::BuildMenu() {
  if (!form_.Menu) return;
  HMENU bar = CreateMenu();
  for (TMenuItem* item : form_.Menu->Items.Items()) {
    if (!item->Visible()) continue;
    AppendMenuW(bar, MF_POPUP | (item->Enabled() ? 0 : MF_GRAYED),
                reinterpret_cast<UINT_PTR>(BuildPopup(*item)), Widen(item->Caption()).c_str());
  }
  SetMenu(Handle(), bar);
  if (menu_) DestroyMenu(menu_);
  menu_ = bar;
  DrawMenuBar(Handle());
  // Any change of an item rebuilds the bar: the menus are small.
  form_.Menu->Items.OnChanged = [this](TMenuItem&) { BuildMenu(); };
}

void TFormPeer::AddTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  hints_.clear();
  hints_.reserve(64);
  ForEachControl(form_, [&](TControl& c) {
    if (!c.ShowHint() || c.Hint().empty() || !HandleOf(c) || hints_.size() == hints_.capacity())
      return;
    hints_.push_back(Widen(c.Hint()));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(HandleOf(c));
    tool.lpszText = hints_.back().data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  });
}

void TFormPeer::Changed(TProp what) {
  if (what == TProp::Caption) SetWindowTextW(Handle(), Widen(form_.Caption()).c_str());
  if (what == TProp::Color) InvalidateRect(Handle(), nullptr, TRUE);
  if (what == TProp::Bounds) PlaceWindow();
}

HBRUSH TFormPeer::OnCtlColor(HDC) { return nullptr; }

void TFormPeer::PopupAt(TPopupMenu& popup, int x, int y) {
  HMENU menu = BuildPopup(popup.Items);
  const UINT id = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, Handle(), nullptr));
  DestroyMenu(menu);
  if (TMenuItem* item = MenuItemOfId(id)) item->UserClick();
}

LRESULT TFormPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  switch (msg) {
    case WM_ERASEBKGND: {
      handled = true;
      RECT r{};
      GetClientRect(Handle(), &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, BrushFor(form_.Color()));
      return 1;
    }
    case WM_CLOSE:
      handled = true;
      form_.UserCloseBox();
      return 0;
    case WM_COMMAND:
      if (lp == 0 && HIWORD(wp) == 0) {
        handled = true;
        if (TMenuItem* item = MenuItemOfId(LOWORD(wp))) item->UserClick();
      }
      return 0;
    case WM_CONTEXTMENU: {
      TWin32Peer* peer = PeerOfWindow(reinterpret_cast<HWND>(wp));
      if (peer && peer->Control().PopupMenu()) {
        handled = true;
        PopupAt(*peer->Control().PopupMenu(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      }
      return 0;
    }
    default:
      return 0;
  }
}
