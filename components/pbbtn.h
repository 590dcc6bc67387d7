#pragma once
// The picture button: a panel showing a picture stretched over its whole face, the panel's
// bevel drawn over the picture's edge and an optional caption on top; it looks pressed while
// the left mouse button is held down on it. Without a picture it is drawn as a plain panel.
#include <memory>

#include "imaging/bitmap.h"
#include "imaging/canvas.h"
#include "ui/extctrls.h"

// Text flags of the caption, with the values of the system's text drawing.
constexpr unsigned kDtLeft = 0x00, kDtCenter = 0x01, kDtRight = 0x02, kDtVCenter = 0x04,
                   kDtExpandTabs = 0x40;

class TPbBtn : public TCustomPanel {
 public:
  TPbBtn(TControl* parent, std::string name);
  const char* ClassName() const override { return "TPbBtn"; }

  const std::shared_ptr<const TBitmap>& PictureImg() const { return picture_; }
  // Copies the picture into the button and repaints.
  void Set_Picture(const TBitmap& picture);

  // Paints the face onto `canvas` (of the button's size): picture and bevels, or the plain
  // panel. The caption is not drawn here: the platform draws it into CaptionRect(textHeight)
  // with CaptionFlags(), without background.
  void Paint(TCanvas& canvas) const;
  // The caption's rectangle inside all frames, for a font whose "W" is `textHeight` high.
  TRect CaptionRect(int textHeight) const;
  unsigned CaptionFlags() const;

 protected:
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseUp(TMouseButton button, int x, int y) override;

 private:
  std::shared_ptr<const TBitmap> picture_;
};
