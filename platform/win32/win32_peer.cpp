#include "platform/win32/win32_peer.h"

#include <map>
#include <utility>

#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_text.h"
#include "ui/application.h"

namespace {

std::map<HWND, std::pair<TWin32Peer*, int>>& Parts() {
  static std::map<HWND, std::pair<TWin32Peer*, int>> parts;
  return parts;
}

// Routes a child's notification to the child's peer.
LRESULT RouteToChild(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  int part = -1;
  switch (msg) {
    case WM_COMMAND:
      if (TWin32Peer* peer = PeerOfWindow(reinterpret_cast<HWND>(lp), &part)) {
        handled = true;
        peer->OnCommand(HIWORD(wp), part);
      }
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      if (TWin32Peer* peer = PeerOfWindow(header->hwndFrom)) {
        handled = true;
        return peer->OnNotify(header);
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (TWin32Peer* peer = PeerOfWindow(reinterpret_cast<HWND>(lp))) {
        if (HBRUSH brush = peer->OnCtlColor(reinterpret_cast<HDC>(wp))) {
          handled = true;
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      return 0;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (TWin32Peer* peer = PeerOfWindow(item->hwndItem)) {
        handled = true;
        peer->OnDrawItem(item);
        return TRUE;
      }
      return 0;
    }
    default:
      return 0;
  }
}

LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  bool handled = false;
  LRESULT result = RouteToChild(msg, wp, lp, handled);
  if (handled) return result;
  if (TWin32Peer* peer = PeerOfWindow(hwnd)) {
    result = peer->OnMessage(msg, wp, lp, handled);
    if (handled) return result;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

const wchar_t* OwnWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = OwnWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    wc.lpszClassName = L"MemotrayWindow";
    RegisterClassExW(&wc);
    return L"MemotrayWindow";
  }();
  return name;
}

TWin32Peer* PeerOfWindow(HWND window, int* part) {
  const auto it = Parts().find(window);
  if (it == Parts().end()) return nullptr;
  if (part) *part = it->second.second;
  return it->second.first;
}

void RegisterPart(HWND window, TWin32Peer* peer, int part) { Parts()[window] = {peer, part}; }

void UnregisterPart(HWND window) { Parts().erase(window); }

HWND HandleOf(const TControl& control) {
  auto* peer = dynamic_cast<TWin32Peer*>(control.Peer());
  return peer ? peer->Handle() : nullptr;
}

TWin32Peer::TWin32Peer(TControl& control, HWND handle) : control_(control), handle_(handle) {
  RegisterPart(handle_, this, -1);
}

TWin32Peer::~TWin32Peer() {
  ForEachPart([](HWND h, void*) { UnregisterPart(h); }, nullptr);
  UnregisterPart(handle_);
}

void TWin32Peer::ApplyAll() {
  for (TProp p :
       {TProp::Font, TProp::Caption, TProp::Hint, TProp::Color, TProp::Text, TProp::Checked,
        TProp::Items, TProp::ItemIndex, TProp::Range, TProp::Position, TProp::Lines, TProp::Picture,
        TProp::Selection, TProp::Bevel, TProp::Enabled, TProp::Bounds, TProp::Visible})
    Changed(p);
}

void TWin32Peer::Changed(TProp what) {
  applying_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{applying_};
  switch (what) {
    case TProp::Bounds:
      MoveWindow(handle_, control_.Left(), control_.Top(), control_.Width(), control_.Height(),
                 TRUE);
      break;
    case TProp::Visible: {
      const int show = control_.Visible() ? SW_SHOWNA : SW_HIDE;
      ShowWindow(handle_, show);
      ForEachPart([](HWND h, void* s) { ShowWindow(h, *static_cast<int*>(s)); },
                  const_cast<int*>(&show));
      break;
    }
    case TProp::Enabled: {
      BOOL on = control_.Enabled();
      EnableWindow(handle_, on);
      ForEachPart([](HWND h, void* s) { EnableWindow(h, *static_cast<BOOL*>(s)); }, &on);
      InvalidateRect(handle_, nullptr, TRUE);
      break;
    }
    case TProp::Font: {
      HFONT font = FontFor(control_.Font());
      SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      ForEachPart(
          [](HWND h, void* f) { SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE); },
          font);
      break;
    }
    case TProp::Color:
      InvalidateRect(handle_, nullptr, TRUE);
      break;
    default:
      break;
  }
  Apply(what);
}

void TWin32Peer::Apply(TProp what) {
  if (what == TProp::Caption) SetWindowTextW(handle_, Widen(control_.Caption()).c_str());
}

void TWin32Peer::ForEachPart(void (*)(HWND, void*), void*) {}
void TWin32Peer::OnCommand(WORD, int) {}
LRESULT TWin32Peer::OnNotify(NMHDR*) { return 0; }
HBRUSH TWin32Peer::OnCtlColor(HDC dc) {
  return ControlColours(dc, control_.Font().Color, control_.Color());
}
void TWin32Peer::OnDrawItem(DRAWITEMSTRUCT*) {}
LRESULT TWin32Peer::OnMessage(UINT, WPARAM, LPARAM, bool&) { return 0; }
