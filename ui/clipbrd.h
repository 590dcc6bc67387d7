#pragma once
// The clipboard as the program sees it, through the platform.
#include "ui/platform.h"

class TClipboard {
 public:
  explicit TClipboard(TPlatform& platform) : platform_(platform) {}
  bool HasFormat(TClipFormat format) const { return platform_.ClipboardHasFormat(format); }
  void Clear() { platform_.ClipboardClear(); }

 private:
  TPlatform& platform_;
};

// The clipboard of the application's platform.
TClipboard Clipboard();
