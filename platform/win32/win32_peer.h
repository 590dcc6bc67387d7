#pragma once
// The peers of the Win32 platform: every control shown by a real window. One window procedure
// serves the program's own window classes; it routes the notifications of standard controls
// to the peer of the control they come from.
#include <string>

#include "platform/win32/win32_windows.h"
#include "ui/control.h"
#include "ui/peer.h"

class TWin32Peer : public TControlPeer {
 public:
  TWin32Peer(TControl& control, HWND handle);
  ~TWin32Peer() override;
  TWin32Peer(const TWin32Peer&) = delete;
  TWin32Peer& operator=(const TWin32Peer&) = delete;

  HWND Handle() const { return handle_; }
  TControl& Control() const { return control_; }
  // The window that takes the keyboard focus for the control.
  virtual HWND FocusWindow() const { return handle_; }
  // Shows the model's current state in full (after creation).
  void ApplyAll();
  void Changed(TProp what) override;

  // A WM_COMMAND notification of this control (or of one of its parts, `part` >= 0).
  virtual void OnCommand(WORD code, int part);
  // A WM_NOTIFY of this control; returns the message's result.
  virtual LRESULT OnNotify(NMHDR* header);
  // WM_CTLCOLOR...: sets up `dc` and returns the background brush, or null for the system's
  // default. A control's own font colour on its own colour, unless the peer says otherwise.
  virtual HBRUSH OnCtlColor(HDC dc);
  virtual void OnDrawItem(DRAWITEMSTRUCT* item);
  // A message to a window of the program's own class; `handled` false leaves it to the default.
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);

 protected:
  // The control's own properties; the common ones (bounds, visibility, ...) are done before.
  virtual void Apply(TProp what);
  // Windows that make up the control besides its handle (radio buttons of a group).
  virtual void ForEachPart(void (*f)(HWND, void*), void* context);
  // True while the peer is updating the native control: its notifications then are echoes of
  // the model's own change and are not passed on as user input.
  bool applying_ = false;

 private:
  TControl& control_;
  HWND handle_;
};

// The peer that shows `control`, found from any window of it (null when none).
TWin32Peer* PeerOfWindow(HWND window, int* part = nullptr);
void RegisterPart(HWND window, TWin32Peer* peer, int part);
void UnregisterPart(HWND window);
// The window of a control that has a Win32 peer, or null.
HWND HandleOf(const TControl& control);

// The window class of the program's own windows (forms, panels, images, picture buttons).
const wchar_t* OwnWindowClass();
