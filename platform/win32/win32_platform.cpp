#include "platform/win32/win32_platform.h"

#include "platform/win32/win32_formpeer.h"
#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_stdpeers.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_windows.h"
#include "ui/application.h"
#include "ui/keyboard.h"

namespace {

void CreateChildren(TControl& parent, HWND parentWindow) {
  for (TControl* child : parent.Controls()) {
    auto peer = CreateChildPeer(*child, parentWindow);
    TWin32Peer* raw = peer.get();
    child->SetPeer(std::move(peer));
    raw->ApplyAll();
    CreateChildren(*child, raw->Handle());
  }
}

TForm* FormOfWindow(HWND window) {
  TWin32Peer* peer = window ? PeerOfWindow(GetAncestor(window, GA_ROOT)) : nullptr;
  return peer ? dynamic_cast<TForm*>(&peer->Control()) : nullptr;
}

void FocusControl(TControl* control) {
  if (!control) return;
  if (auto* peer = dynamic_cast<TWin32Peer*>(control->Peer())) SetFocus(peer->FocusWindow());
}

// One message of a loop: the keyboard's own work first.
void DispatchOne(MSG& msg) {
  if (TranslateKeyboard(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

HWND ActiveOwner() {
  HWND active = GetActiveWindow();
  if (active) return active;
  TForm* main = Application().MainForm();
  return main ? HandleOf(*main) : nullptr;
}

// The clipboard, opened for as long as the object lives. Another program may hold it for a
// moment, so opening is tried a few times.
class OpenClipboardScope {
 public:
  OpenClipboardScope() {
    for (int attempt = 0; attempt < 10 && !(open_ = OpenClipboard(nullptr)); ++attempt) Sleep(20);
  }
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  BOOL open_ = FALSE;
};

}  // namespace

bool TranslateKeyboard(const MSG& msg) {
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000)) {
    TForm* form = FormOfWindow(msg.hwnd);
    if (!form) return false;
    TWin32Peer* peer = PeerOfWindow(GetFocus());
    const TControl* current = peer ? &peer->Control() : nullptr;
    FocusControl(NextInTabOrder(*form, current, GetKeyState(VK_SHIFT) & 0x8000));
    return true;
  }
  if (msg.message == WM_SYSCHAR && msg.wParam < 128) {
    TForm* form = FormOfWindow(msg.hwnd);
    TControl* target = form ? MnemonicTarget(*form, static_cast<char>(msg.wParam)) : nullptr;
    if (!target) return false;  // the menu bar may have the letter
    PressMnemonic(*target);
    return true;
  }
  return false;
}

TWin32Platform::TWin32Platform() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&init);
}

void TWin32Platform::CreatePeers(TForm& form) {
  auto peer = TFormPeer::Create(form);
  TFormPeer* formPeer = peer.get();
  form.SetPeer(std::move(peer));
  CreateChildren(form, formPeer->Handle());
  formPeer->AddTooltips();
}

void TWin32Platform::ShowForm(TForm& form) {
  if (HWND h = HandleOf(form)) {
    ShowWindow(h, SW_SHOW);
    UpdateWindow(h);
    FocusControl(NextInTabOrder(form, nullptr, false));
  }
}

void TWin32Platform::HideForm(TForm& form) {
  if (HWND h = HandleOf(form)) ShowWindow(h, SW_HIDE);
}

// A nested message loop while the form shows; the window that was active is disabled so that
// only the dialog takes input, and is active again afterwards.
void TWin32Platform::ShowModal(TForm& form) {
  HWND dialog = HandleOf(form);
  HWND owner = ActiveOwner();
  if (owner == dialog) owner = nullptr;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  FocusControl(NextInTabOrder(form, nullptr, false));
  MSG msg;
  bool quit = false;
  while (form.Showing()) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      quit = true;
      break;
    }
    DispatchOne(msg);
  }
  if (owner) EnableWindow(owner, TRUE);
  ShowWindow(dialog, SW_HIDE);
  if (owner) SetActiveWindow(owner);
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

void TWin32Platform::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
}

void TWin32Platform::Terminate() { PostQuitMessage(0); }

int TWin32Platform::MessageBox(const std::string& text, const std::string& caption,
                               TMessageButtons buttons) {
  const UINT type = (buttons == mbOKCancel ? MB_OKCANCEL : MB_OK) | MB_APPLMODAL;
  const int answer = MessageBoxW(ActiveOwner(), Widen(text).c_str(), Widen(caption).c_str(), type);
  return answer == IDOK ? mrOk : mrCancel;
}

void TWin32Platform::ShowErrorBox(const std::string& message, const std::string& title) {
  MessageBoxW(ActiveOwner(), Widen(message).c_str(), Widen(title).c_str(), MB_OK | MB_ICONERROR);
}

std::vector<std::string> TWin32Platform::Drives() {
  std::vector<std::string> drives;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i)
    if (mask & (1u << i)) drives.push_back(std::string(1, static_cast<char>('A' + i)) + ":\\");
  return drives;
}

bool TWin32Platform::ClipboardHasFormat(TClipFormat format) {
  switch (format) {
    case TClipFormat::Text:
      return IsClipboardFormatAvailable(CF_TEXT);
    case TClipFormat::Bitmap:
      return IsClipboardFormatAvailable(CF_BITMAP);
    case TClipFormat::Palette:
      return IsClipboardFormatAvailable(CF_PALETTE);
  }
  return false;
}

void TWin32Platform::ClipboardClear() {
  OpenClipboardScope clipboard;
  if (clipboard.IsOpen()) EmptyClipboard();
}

int TWin32Platform::TextHeight(const TFont& font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, FontFor(font));
  SIZE size{};
  GetTextExtentPoint32W(dc, L"W", 1, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cy;
}

std::string TWin32Platform::ToAnsi(const std::string& utf8) { return ToCodePage(Widen(utf8)); }

std::string TWin32Platform::FromAnsi(const std::string& ansi) { return Narrow(FromCodePage(ansi)); }
