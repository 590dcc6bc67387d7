#include "ui/clipbrd.h"

#include "ui/application.h"

TClipboard Clipboard() { return TClipboard(Application().Platform()); }
