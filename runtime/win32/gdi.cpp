// Colours, fonts and the scale on GDI.
#include "gdi.h"

#include <cmath>

#include "text.h"

namespace runtime::win32 {

COLORREF ToColorRef(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColor(static_cast<int>(colour.value & 0xFFu));
  // 0x00BBGGRR is GDI's own layout.
  return static_cast<COLORREF>(colour.value & 0x00FFFFFFu);
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

double TwipsPerPixel() { return 1440.0 / ScreenDpi(); }

namespace {

struct SizeSearch {
  LONG height;  // character height in pixels
  bool found;
};

int CALLBACK OnFontSize(const LOGFONTW*, const TEXTMETRICW* metric, DWORD type, LPARAM data) {
  auto* search = reinterpret_cast<SizeSearch*>(data);
  if ((type & RASTER_FONTTYPE) == 0 || metric->tmHeight - metric->tmInternalLeading == search->height) {
    search->found = true;
    return 0;
  }
  return 1;
}

// Whether the face draws this character height without scaling a bitmap:
// any scalable face does, a raster face only at one of its own sizes.
bool DrawsAtHeight(const LOGFONTW& font) {
  LOGFONTW query{};
  query.lfCharSet = font.lfCharSet;
  lstrcpynW(query.lfFaceName, font.lfFaceName, LF_FACESIZE);
  SizeSearch search{-font.lfHeight, false};
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &query, &OnFontSize, reinterpret_cast<LPARAM>(&search), 0);
  ReleaseDC(nullptr, screen);
  return search.found;
}

}  // namespace

GdiObject<HFONT> MakeFont(const FontSpec& spec) {
  LOGFONTW f{};
  f.lfHeight = -static_cast<LONG>(std::lround(spec.points * ScreenDpi() / 72.0));
  f.lfWeight = spec.weight;
  f.lfItalic = spec.italic ? TRUE : FALSE;
  f.lfUnderline = spec.underline ? TRUE : FALSE;
  f.lfStrikeOut = spec.strikeout ? TRUE : FALSE;
  f.lfCharSet = static_cast<BYTE>(spec.charset);
  f.lfOutPrecision = OUT_DEFAULT_PRECIS;
  f.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  f.lfQuality = DEFAULT_QUALITY;
  f.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;  // a sans-serif face where the stored one is missing
  const std::wstring face = Widen(spec.name);
  lstrcpynW(f.lfFaceName, face.c_str(), LF_FACESIZE);
  // A raster face scaled to a height it lacks draws badly: then the
  // platform's scalable sans-serif face, in the same size and weight.
  if (!DrawsAtHeight(f)) {
    f.lfFaceName[0] = L'\0';
    f.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  }
  return GdiObject<HFONT>(CreateFontIndirectW(&f));
}

RECT ToRect(const PixelRect& r) { return RECT{r.x, r.y, r.x + r.width, r.y + r.height}; }

}  // namespace runtime::win32
