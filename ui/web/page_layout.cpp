// Writes what the page takes from ui/window_layout.h, so that the page never restates it:
// page_layout <window_layout.js> <window_places.css> and, for each further pair <in> <out>, the
// file <in> with the program's name put in for @APPLICATION_TITLE@.
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "ui/web/json_text.h"
#include "ui/window_layout.h"

namespace {

constexpr std::array kControls = {&ui::kLbljushu, &ui::kMemcode, &ui::kLabel1,
                                  &ui::kLabel2,   &ui::kEdtcode, &ui::kEdtdj,
                                  &ui::kBtnfilt,  &ui::kBtncopy, &ui::kBtnclose};

// The page draws no frame: its window is the client area that a classic frame (4-pixel
// borders and a 19-pixel caption bar) leaves of the outer size, as the Qt window is.
constexpr int kClientWidth = ui::kOuterWidth - 8;
constexpr int kClientHeight = ui::kOuterHeight - 27;

std::string Script() {
  std::string js = "// Generated from ui/window_layout.h.\n";
  js += "export const kApplicationTitle = " + web::JsonText(ui::kApplicationTitle) + ";\n";
  js += "export const kConfirmText = " + web::JsonText(ui::kConfirmText) + ";\n";
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
  css += "@media " + wide + " {\n";
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

bool WriteTitled(const char* in, const char* out) {
  constexpr std::string_view kMark = "@APPLICATION_TITLE@";
  std::ifstream file(in, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!file.good() && !file.eof()) return false;
  for (auto at = text.find(kMark); at != std::string::npos; at = text.find(kMark, at)) {
    text.replace(at, kMark.size(), ui::kApplicationTitle);
    at += ui::kApplicationTitle.size();
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
  bool written = Write(argv[1], Script()) && Write(argv[2], Places());
  for (int i = 3; written && i < argc; i += 2) written = WriteTitled(argv[i], argv[i + 1]);
  return written ? 0 : 1;
}
