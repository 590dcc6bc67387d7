#pragma once
// The top-level window of a form: its frame, client size and place, background, main menu,
// pop-up menus of its controls, tooltips, and closing through its close box.
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_peer.h"
#include "ui/form.h"
#include "ui/menus.h"

class TFormPeer : public TWin32Peer {
 public:
  TFormPeer(TForm& form, HWND handle);
  ~TFormPeer() override;
  static std::unique_ptr<TFormPeer> Create(TForm& form);

  void Changed(TProp what) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
  HBRUSH OnCtlColor(HDC dc) override;
  // Gives every control with a hint its tooltip (after the controls have their windows).
  void AddTooltips();
  void BuildMenu();

 private:
  void PlaceWindow();
  void PopupAt(TPopupMenu& menu, int x, int y);
  TForm& form_;
  HMENU menu_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::wstring> hints_;
};

// Menu command ids of items, kept while their menus exist.
UINT MenuIdOf(TMenuItem& item);
TMenuItem* MenuItemOfId(UINT id);
HMENU BuildPopup(TMenuItem& parent);
