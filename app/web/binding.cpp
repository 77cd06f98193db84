// The engine as the page calls it, with the two decisions of ui/ that turn its answers into
// what the window does: the verdict text and the Enter key.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "engine/engine.h"
#include "ui/enter_key.h"
#include "ui/verdict_text.h"

namespace {

using emscripten::val;

// A rejection's message, or null when the text is accepted.
val ValidateDraw(const std::string& drawText) {
  const auto rejection = engine::ValidateDraw(drawText);
  return rejection ? val(*rejection) : val::null();
}

// Embind passes texts as std::string.
engine::DrawVerdict CheckDraw(const std::string& resultText, const std::string& drawText) {
  return engine::CheckDraw(resultText, drawText);
}

// The verdict field's new text, or null when it is to stay as it is.
val VerdictText(engine::VerdictKind kind) {
  const auto text = ui::VerdictText(kind);
  return text ? val(std::string(*text)) : val::null();
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
  value_object<engine::FilterResult>("FilterResult")
      .field("text", &engine::FilterResult::text)
      .field("count", &engine::FilterResult::count)
      .field("caption", &engine::FilterResult::caption);
  enum_<ui::EnterPress>("EnterPress")
      .value("Nothing", ui::EnterPress::Nothing)
      .value("FocusedButton", ui::EnterPress::FocusedButton)
      .value("DefaultButton", ui::EnterPress::DefaultButton);

  function("ResetRunCounter", &engine::ResetRunCounter);
  function("Fill", &engine::Fill);
  function("ValidateDraw", &ValidateDraw);
  function("RunFilter", &engine::RunFilter);
  function("CheckDraw", &CheckDraw);
  function("VerdictText", &VerdictText);
  function("ResolveEnter", &ui::ResolveEnter);
}
