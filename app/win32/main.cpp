#include <windows.h>

#include "ui/win32/message_loop.h"
#include "ui/win32/u_main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  Tfrmmain frmmain;
  frmmain.Show(showCommand);
  return win32::RunMessageLoop(frmmain);
}
