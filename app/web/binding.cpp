// The engine as the page calls it, with the two decisions of ui/ that turn its answers into
// what the window does: the verdict text and the Enter key.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "ui/enter_key.h"
#include "ui/verdict_text.h"

namespace {

using emscripten::typed_memory_view;
using emscripten::val;

// A rejection's message, or null when the text is accepted.
val ValidateDraw(const std::string& drawText) {
  const auto rejection = engine::ValidateDraw(drawText);
  return rejection ? val(*rejection) : val::null();
}

// The list crosses between the page and the engine as UTF-8 bytes that the browser converts
// itself: embind's own conversion of a text walks it a byte at a time in script, which for the
// list takes longer than the run.
const val& Utf8Decoder() {
  static const val decoder = val::global("TextDecoder").new_();
  return decoder;
}

const val& Utf8Encoder() {
  static const val encoder = val::global("TextEncoder").new_();
  return encoder;
}

// The bytes of `text` as a Uint8Array over the engine's memory, valid until the memory grows.
val BytesOf(std::string& text) {
  return val(typed_memory_view(text.size(), reinterpret_cast<unsigned char*>(text.data())));
}

// The engine's text as a string of the page.
val TextOf(std::string& text) { return Utf8Decoder().call<val>("decode", BytesOf(text)); }

val RunFilter() {
  engine::FilterResult run = engine::RunFilter();
  val result = val::object();
  result.set("text", TextOf(run.text));
  result.set("caption", run.caption);
  return result;
}

val NextRunText() {
  std::string text = engine::NextRunText();
  return TextOf(text);
}

// A UTF-16 unit takes at most three bytes in UTF-8.
constexpr std::size_t kMaxUtf8BytesPerUnit = 3;

engine::DrawVerdict CheckDraw(const val& resultText, const std::string& drawText) {
  // Kept from one keystroke to the next, so that a check allocates nothing.
  static std::string text;
  text.resize(resultText["length"].as<std::size_t>() * kMaxUtf8BytesPerUnit);
  const val encoded = Utf8Encoder().call<val>("encodeInto", resultText, BytesOf(text));
  text.resize(encoded["written"].as<std::size_t>());
  return engine::CheckDraw(text, drawText);
}

val TextOrNull(std::optional<std::string_view> text) {
  return text ? val(std::string(*text)) : val::null();
}

// The verdict field's new text, or null when it is to stay as it is.
val VerdictText(engine::VerdictKind kind) { return TextOrNull(ui::VerdictText(kind)); }

// What a screen reader is told after the check, or null for nothing.
val VerdictAnnouncement(engine::VerdictKind kind) {
  return TextOrNull(ui::VerdictAnnouncement(kind));
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarvello) {
  using namespace emscripten;

  enum_<engine::VerdictKind>("VerdictKind")
      .value("None", engine::VerdictKind::None)
      .value("Unchanged", engine::VerdictKind::Unchanged)
      .value("Hit", engine::VerdictKind::Hit)
      .value("Miss", engine::VerdictKind::Miss);
  value_object<engine::DrawVerdict>("DrawVerdict")
      .field("kind", &engine::DrawVerdict::kind)
      .field("start", &engine::DrawVerdict::start)
      .field("length", &engine::DrawVerdict::length);
  enum_<ui::EnterPress>("EnterPress")
      .value("Nothing", ui::EnterPress::Nothing)
      .value("FocusedButton", ui::EnterPress::FocusedButton)
      .value("DefaultButton", ui::EnterPress::DefaultButton);

  function("ResetRunCounter", &engine::ResetRunCounter);
  function("Fill", &engine::Fill);
  function("ValidateDraw", &ValidateDraw);
  function("RunFilter", &RunFilter);
  function("NextRunText", &NextRunText);
  function("CheckDraw", &CheckDraw);
  function("VerdictText", &VerdictText);
  function("VerdictAnnouncement", &VerdictAnnouncement);
  function("ResolveEnter", &ui::ResolveEnter);
}
