#pragma once
// Menu items, the main menu and pop-up menus. Setting a check mark by program raises nothing.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/types.h"

class TMenuItem : public TObject {
 public:
  explicit TMenuItem(std::string name, std::string caption = {}, TMenuItem* parent = nullptr);
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  const std::string Name;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  const std::vector<TMenuItem*>& Items() const { return items_; }
  TMenuItem* Parent() const { return parent_; }
  TNotifyEvent OnClick;

  void Click();
  // The item chosen by the user.
  void UserClick();
  // Told of every change of the item, for the native menu (set by the platform).
  std::function<void(TMenuItem&)> OnChanged;

 private:
  void Changed();
  std::string caption_;
  bool checked_ = false, enabled_ = true, visible_ = true;
  TMenuItem* parent_;
  std::vector<TMenuItem*> items_;
};

class TMainMenu : public TObject {
 public:
  TMenuItem Items{"Items"};
};

class TPopupMenu : public TObject {
 public:
  explicit TPopupMenu(std::string name) : Name(std::move(name)), Items(Name) {}
  const std::string Name;
  TMenuItem Items;
};
