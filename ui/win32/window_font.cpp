#include "ui/win32/window_font.h"

#include <array>
#include <string_view>

#include "ui/window_layout.h"

namespace win32 {
namespace {

constexpr std::array<std::wstring_view, 5> kPreferredFaces = {
    L"Microsoft YaHei", L"SimSun", L"WenQuanYi Micro Hei", L"Noto Sans CJK SC",
    L"Droid Sans Fallback"};
constexpr std::wstring_view kLastResortFace = L"MS Sans Serif";

struct FaceSearch {
  std::wstring_view wanted;  // empty: any face that has the characters
  std::wstring found;
};

int CALLBACK OnFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  auto* search = reinterpret_cast<FaceSearch*>(data);
  const std::wstring_view face = font->lfFaceName;
  // "@" faces are the same fonts turned for vertical writing.
  if (face.starts_with(L'@')) return 1;
  if (!search->wanted.empty() && face != search->wanted) return 1;
  search->found = face;
  return 0;
}

std::wstring FindChineseFace(HDC screen, std::wstring_view wanted) {
  LOGFONTW query{};
  query.lfCharSet = GB2312_CHARSET;
  wanted.copy(query.lfFaceName, LF_FACESIZE - 1);
  FaceSearch search{wanted, {}};
  EnumFontFamiliesExW(screen, &query, OnFace, reinterpret_cast<LPARAM>(&search), 0);
  return search.found;
}

}  // namespace

std::wstring ChineseFaceName() {
  HDC screen = GetDC(nullptr);
  std::wstring face;
  for (const std::wstring_view wanted : kPreferredFaces) {
    face = FindChineseFace(screen, wanted);
    if (!face.empty()) break;
  }
  if (face.empty()) face = FindChineseFace(screen, {});
  ReleaseDC(nullptr, screen);
  return face.empty() ? std::wstring(kLastResortFace) : face;
}

HFONT CreateWindowFont(const std::wstring& face, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(ui::kFontPoints, dpi, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

int Scale(int pixels, int dpi) { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); }

}  // namespace win32
