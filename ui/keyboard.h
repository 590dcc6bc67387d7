#pragma once
// Moving through a form with the keyboard, as the class library does it itself: Tab and
// Shift+Tab walk the form's tab order; Alt and a letter presses the button or check box whose
// caption underlines that letter.
#include "ui/form.h"

// The control after (or before) `current` in the form's tab order that can take the focus:
// visible and enabled, of a kind that takes it, and no picture button. Wraps around; null when
// none can. `current` may be null or not in the order.
TControl* NextInTabOrder(const TForm& form, const TControl* current, bool backwards);
// The visible, enabled button or check box of `form` whose caption marks `letter` with "&"
// (ASCII letters without case); null when there is none.
TControl* MnemonicTarget(const TForm& form, char letter);
// Presses it as a click of the user's would.
void PressMnemonic(TControl& control);
