#pragma once
// The root of the visual controls: position, visibility, enabled state, caption, hint, colour
// and font, a parent that holds it and the children it holds, and an optional peer.
#include <memory>
#include <string>
#include <vector>

#include "ui/peer.h"
#include "ui/types.h"

class TPopupMenu;

class TControl : public TObject {
 public:
  TControl(TControl* parent, std::string name);
  ~TControl() override;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  const std::string Name;
  TControl* Parent() const { return parent_; }
  const std::vector<TControl*>& Controls() const { return children_; }
  // A short tag of the kind of control, for peers and tests ("TLabel", "TEdit", ...).
  virtual const char* ClassName() const = 0;

  void SetBounds(int left, int top, int width, int height);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  // The control's own font, or its parent's while it has none of its own.
  const TFont& Font() const;
  void SetFont(const TFont& value);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  TControlPeer* Peer() const { return peer_.get(); }
  void SetPeer(std::unique_ptr<TControlPeer> peer) { peer_ = std::move(peer); }

 protected:
  void Notify(TProp what);

 private:
  TControl* parent_;
  std::vector<TControl*> children_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_, hint_;
  bool showHint_ = false;
  TColor color_ = clBtnFace;
  std::unique_ptr<TFont> font_;
  TPopupMenu* popupMenu_ = nullptr;
  std::unique_ptr<TControlPeer> peer_;
};
