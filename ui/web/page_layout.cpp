// Writes what the page takes from ui/window_layout.h, so that the page never restates it:
// page_layout <window_layout.js> <window_places.css> and, for each further pair <in> <out>, the
// file <in> with the program's name put in for @APPLICATION_TITLE@, the box's button text for
// @CONFIRM_TEXT@ and each control's first text for @<its name>@. The page's HTML thus holds the
// window as it opens, and the first paint shows it before any script has run.
#include <array>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/web/json_text.h"
#include "ui/window_layout.h"

namespace {

constexpr std::array kControls = {&ui::kLbljushu, &ui::kMemcode, &ui::kLabel1,
                                  &ui::kLabel2,   &ui::kEdtcode, &ui::kEdtdj,
                                  &ui::kBtnfilt,  &ui::kBtncopy, &ui::kBtnclose};

// The texts go into the HTML and the manifest as they are: none holds a character that either
// would have to escape.
constexpr bool Plain(std::string_view text) {
  return text.find_first_of("&<>\"\\") == std::string_view::npos;
}
static_assert(Plain(ui::kApplicationTitle) && Plain(ui::kConfirmText));
static_assert([] {
  for (const ui::ControlLayout* control : kControls) {
    if (!Plain(control->text)) return false;
  }
  return true;
}());

// The page draws no frame: its window is the client area that a classic frame (4-pixel
// borders and a 19-pixel caption bar) leaves of the outer size, as the Qt window is.
constexpr int kClientWidth = ui::kOuterWidth - 8;
constexpr int kClientHeight = ui::kOuterHeight - 27;

std::string Script() {
  std::string js = "// Generated from ui/window_layout.h.\n";
  js += "// Each control's name and what it shows when the window opens.\n";
  js += "export const kControls = [\n";
  for (const ui::ControlLayout* control : kControls) {
    js += "  { name: " + web::JsonText(control->name) + ", text: " + web::JsonText(control->text) +
          " },\n";
  }
  return js + "];\n";
}

std::string Places() {
  const auto px = [](int value) { return std::to_string(value) + "px"; };
  std::string css =
      "/* Generated from ui/window_layout.h: the window at its places, where the screen is "
      "as wide as the window. */\n";
  const std::string wide = "(min-width: " + px(ui::kOuterWidth) + ")";
  css += "@import url(\"window_wide.css\") " + wide + ";\n";
  std::string faces;
  for (const std::string_view face : ui::kFontFaces) faces += web::JsonText(face) + ", ";
  css += ":root { font-family: " + faces + "sans-serif; }\n";
  css += "#frmmain, #rejection { font-size: " + px(ui::kPhoneFontPixels) + "; }\n";
  css += "@media " + wide + " {\n";
  css += "  #frmmain, #rejection { font-size: " + px(ui::kPageFontPixels) + "; }\n";
  css += "  #frmmain { display: block; position: relative; width: " + px(kClientWidth) +
         "; height: " + px(kClientHeight) + "; }\n";
  css += "  #frmmain > * { position: absolute; box-sizing: border-box; margin: 0; }\n";
  for (const ui::ControlLayout* control : kControls) {
    const ui::Place& place = control->place;
    css += "  #" + std::string(control->name) + " { left: " + px(place.left) +
           "; top: " + px(place.top) + "; width: " + px(place.width) +
           "; height: " + px(place.height) + "; }\n";
  }
  return css + "}\n";
}

bool Write(const char* path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

// Each mark and what it stands for.
std::vector<std::pair<std::string, std::string_view>> Marks() {
  std::vector<std::pair<std::string, std::string_view>> marks = {
      {"@APPLICATION_TITLE@", ui::kApplicationTitle}, {"@CONFIRM_TEXT@", ui::kConfirmText}};
  for (const ui::ControlLayout* control : kControls) {
    marks.emplace_back("@" + std::string(control->name) + "@", control->text);
  }
  return marks;
}

bool WriteFilled(const char* in, const char* out) {
  std::ifstream file(in, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!file.good() && !file.eof()) return false;
  for (const auto& [mark, value] : Marks()) {
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
      text.replace(at, mark.size(), value);
      at += value.size();
    }
  }
  return Write(out, text);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3 || argc % 2 == 0) {
    std::fputs("usage: page_layout <window_layout.js> <window_places.css> [<in> <out>]...\n",
               stderr);
    return 2;
  }
  // A failure, out of memory included, fails the build with a message rather than an abort.
  try {
    bool written = Write(argv[1], Script()) && Write(argv[2], Places());
    for (int i = 3; written && i < argc; i += 2) written = WriteFilled(argv[i], argv[i + 1]);
    return written ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "page_layout: %s\n", error.what());
    return 1;
  }
}
