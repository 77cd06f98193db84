#include "ui/win32/application.h"

#include <windows.h>

#include <objbase.h>

#include <string>

#include "ui/win32/message_loop.h"
#include "ui/win32/u_main.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"

namespace win32 {
namespace {

constexpr int kNoWindowExitCode = 1;

int RunMainWindow(int showCommand) {
  Tfrmmain frmmain;
  if (frmmain.Handle() == nullptr) {
    const std::wstring text = Widen(ui::kNoWindowText);
    const std::wstring title = Widen(ui::kApplicationTitle);
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    return kNoWindowExitCode;
  }
  frmmain.Show(showCommand);
  return RunMessageLoop(frmmain);
}

}  // namespace

int RunApplication(int showCommand) {
  // Screen readers are handed the list's accessible object through COM.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int exitCode = RunMainWindow(showCommand);
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}

}  // namespace win32
