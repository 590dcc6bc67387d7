#pragma once
// Peers of the drive combo box, the folder list and the file list.
#include <memory>

#include "platform/win32/win32_peer.h"

// Null when `control` is not one of the lists.
std::unique_ptr<TWin32Peer> CreateListPeer(TControl& control, HWND parent);
