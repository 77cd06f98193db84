#pragma once

namespace ui {

enum class EnterPress { Nothing, FocusedButton, DefaultButton };

// The window answers Enter as a dialog does: it presses the focused button, or the default
// button when the focus is in a field. Enter with Shift, Ctrl or Alt held presses nothing.
constexpr EnterPress ResolveEnter(bool focusOnButton, bool modifierHeld) {
  if (modifierHeld) return EnterPress::Nothing;
  return focusOnButton ? EnterPress::FocusedButton : EnterPress::DefaultButton;
}

}  // namespace ui
