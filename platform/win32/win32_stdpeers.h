#pragma once
// Peers of the standard controls, and the factory that picks the peer for a control.
#include <memory>

#include "platform/win32/win32_peer.h"

// Creates the window of `control` inside `parent` and its peer; null for a form.
std::unique_ptr<TWin32Peer> CreateChildPeer(TControl& control, HWND parent);

// A child window of a standard class, visible or not as the model says, brought to the top of
// its siblings: a control made later lies over one made earlier.
HWND CreateChildWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent,
                       const TControl& control);
