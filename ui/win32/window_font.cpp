#include "ui/win32/window_font.h"

#include <string_view>
#include <utility>

#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"

namespace win32 {
namespace {

constexpr std::wstring_view kLastResortFace = L"MS Sans Serif";

// Asks for the faces with the Chinese characters called `face`, or for all of them when it is
// empty, and keeps the name of the first one answered. Chinese Windows answers with a face's
// Chinese name ("微软雅黑" for "Microsoft YaHei"), so the answer is not compared with the
// question.
std::wstring FirstChineseFace(HDC screen, std::wstring_view face) {
  LOGFONTW query{};
  query.lfCharSet = GB2312_CHARSET;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  std::wstring answered;
  EnumFontFamiliesExW(
      screen, &query,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) CALLBACK -> int {
        // "@" faces are the same fonts turned for vertical writing.
        if (font->lfFaceName[0] == L'@') return 1;
        *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
        return 0;
      },
      reinterpret_cast<LPARAM>(&answered), 0);
  return answered;
}

}  // namespace

std::wstring ChineseFaceName() {
  HDC screen = GetDC(nullptr);
  std::wstring chosen;
  for (const std::string_view face : ui::kFontFaces) {
    // The font is made with the name asked for, which the font mapper knows in every language.
    if (std::wstring wanted = Widen(face); !FirstChineseFace(screen, wanted).empty()) {
      chosen = std::move(wanted);
      break;
    }
  }
  if (chosen.empty()) chosen = FirstChineseFace(screen, {});
  ReleaseDC(nullptr, screen);
  return chosen.empty() ? std::wstring(kLastResortFace) : chosen;
}

OwnedFont CreateWindowFont(const std::wstring& face, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(ui::kFontPoints, dpi, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return OwnedFont(CreateFontIndirectW(&font));
}

}  // namespace win32
