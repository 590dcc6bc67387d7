#pragma once
// Basic types of the window class library: the object root, event signatures, colours, fonts.
#include <cstdint>
#include <functional>
#include <string>

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// A colour as 0x00BBGGRR. Values with the top bit set name a system colour (its index in the
// low byte), which the platform resolves when it draws.
using TColor = std::uint32_t;
constexpr TColor MakeColor(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr TColor clBlack = MakeColor(0, 0, 0);
constexpr TColor clWhite = MakeColor(255, 255, 255);
constexpr TColor clRed = MakeColor(255, 0, 0);
constexpr TColor clGreen = MakeColor(0, 128, 0);
constexpr TColor clNavy = MakeColor(0, 0, 128);
constexpr TColor clPurple = MakeColor(128, 0, 128);
constexpr TColor clTeal = MakeColor(0, 128, 128);
constexpr TColor clSilver = MakeColor(192, 192, 192);
constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor clWindow = clSystemColor | 5;

// Classic values of the system colours, used where no platform resolves them (tests, and the
// in-memory painting of controls).
TColor ResolveColor(TColor color);

struct TFont {
  std::string Name = "ＭＳ Ｐゴシック";
  int Height = 13;  // character height in pixels
  bool Bold = false;
  TColor Color = clWindowText;
  bool operator==(const TFont&) const = default;
};

// Answers of message boxes and results of modal forms.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };
// Buttons of a message box.
enum TMessageButtons : int { mbOK = 0, mbOKCancel = 1 };

// What changed in a control's model, for its peer.
enum class TProp {
  Bounds,
  Visible,
  Enabled,
  Caption,
  Hint,
  Color,
  Font,
  Text,
  Checked,
  Items,
  ItemIndex,
  Position,
  Range,
  Lines,
  Picture,
  Selection,
  Bevel,
  Directory,
};
