#include <windows.h>

#include "ui/win32/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  return win32::RunApplication(showCommand);
}
