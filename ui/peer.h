#pragma once
// The native object that shows a control. The model tells it what changed; the peer reads the
// model's state and shows it. It never holds state the model asks for: user input comes back
// through the model's user-input entry points, and a peer must not report a notification that
// its own update of the native object caused.
#include "ui/types.h"

class TControlPeer {
 public:
  virtual ~TControlPeer() = default;
  virtual void Changed(TProp what) = 0;
};
