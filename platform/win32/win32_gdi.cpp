#include "platform/win32/win32_gdi.h"

#include <memory>

#include "platform/win32/win32_text.h"

COLORREF ToColorRef(TColor color) {
  if (color & clSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color);
}

HFONT FontFor(const TFont& font) {
  static std::map<std::tuple<std::string, int, bool>, GdiObject<HFONT>> fonts;
  auto key = std::make_tuple(font.Name, font.Height, font.Bold);
  auto it = fonts.find(key);
  if (it == fonts.end()) {
    LOGFONTW lf{};
    lf.lfHeight = -font.Height;  // character height, without the internal leading
    lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Widen(font.Name);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    it = fonts.emplace(key, GdiObject<HFONT>(CreateFontIndirectW(&lf))).first;
  }
  return it->second.Get();
}

HBRUSH BrushFor(TColor color) {
  static std::map<COLORREF, GdiObject<HBRUSH>> brushes;
  const COLORREF c = ToColorRef(color);
  auto it = brushes.find(c);
  if (it == brushes.end()) it = brushes.emplace(c, GdiObject<HBRUSH>(CreateSolidBrush(c))).first;
  return it->second.Get();
}

HBRUSH ControlColours(HDC dc, TColor text, TColor back) {
  SetTextColor(dc, ToColorRef(text));
  SetBkColor(dc, ToColorRef(back));
  return BrushFor(back);
}
