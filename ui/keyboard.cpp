#include "ui/keyboard.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "ui/stdctrls.h"

namespace {

bool TakesFocus(const TControl& c) {
  static const char* const kinds[] = {
      "TEdit",       "TMemo",          "TButton",           "TCheckBox",
      "TRadioGroup", "TDriveComboBox", "TDirectoryListBox", "TFileListBox"};
  if (!c.Visible() || !c.Enabled()) return false;
  for (const TControl* p = c.Parent(); p; p = p->Parent())
    if (!p->Visible()) return false;
  return std::any_of(std::begin(kinds), std::end(kinds),
                     [&](const char* k) { return std::strcmp(c.ClassName(), k) == 0; });
}

// The form's order: the one it was given, or its controls in the order they were made.
std::vector<TControl*> OrderOf(const TForm& form) {
  if (!form.TabOrder.empty()) return form.TabOrder;
  std::vector<TControl*> all;
  std::function<void(const TControl&)> walk = [&](const TControl& parent) {
    for (TControl* c : parent.Controls()) {
      all.push_back(c);
      walk(*c);
    }
  };
  walk(form);
  return all;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

TControl* NextInTabOrder(const TForm& form, const TControl* current, bool backwards) {
  const std::vector<TControl*> order = OrderOf(form);
  const int n = static_cast<int>(order.size());
  if (n == 0) return nullptr;
  const auto at = std::find(order.begin(), order.end(), current);
  int i = at == order.end() ? (backwards ? 0 : -1) : static_cast<int>(at - order.begin());
  for (int step = 0; step < n; ++step) {
    i = (i + (backwards ? -1 : 1) + n) % n;
    if (TakesFocus(*order[static_cast<std::size_t>(i)])) return order[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

TControl* MnemonicTarget(const TForm& form, char letter) {
  for (TControl* c : OrderOf(form)) {
    const std::string kind = c->ClassName();
    if ((kind != "TButton" && kind != "TCheckBox") || !TakesFocus(*c)) continue;
    const std::string& caption = c->Caption();
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
      if (caption[i] != '&') continue;
      if (caption[i + 1] == '&') {
        ++i;  // "&&" is an ampersand shown as it is
        continue;
      }
      if (Lower(caption[i + 1]) == Lower(letter)) return c;
      break;
    }
  }
  return nullptr;
}

void PressMnemonic(TControl& control) {
  if (auto* button = dynamic_cast<TButton*>(&control)) button->UserClick();
  if (auto* box = dynamic_cast<TCheckBox*>(&control)) box->UserClick();
}
