#pragma once
// Peers of the controls drawn by the program: images, picture buttons and the bars.
#include <memory>

#include "imaging/bitmap.h"
#include "platform/win32/win32_peer.h"

std::unique_ptr<TWin32Peer> CreateOwnPeer(TControl& control, HWND parent);

// Draws `bitmap` stretched into `target` of `dc`, as the system stretches colour pictures.
void StretchBitmap(HDC dc, const RECT& target, const TBitmap& bitmap);
