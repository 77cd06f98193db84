#include <windows.h>

#include "ui/win32/application.h"

// The parameter is named as the system's headers declare it.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int nShowCmd) {
  return win32::RunApplication(nShowCmd);
}
