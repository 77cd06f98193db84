#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/announcer.h"
#include "ui/win32/owned_handle.h"
#include "ui/win32/window_class.h"

// The program's one window. It holds its controls and passes every user action to the engine.
class Tfrmmain {
 public:
  Tfrmmain();
  ~Tfrmmain();
  Tfrmmain(const Tfrmmain&) = delete;
  Tfrmmain& operator=(const Tfrmmain&) = delete;

  // Shows the window centred on the screen, with the focus in the draw field.
  void Show(int showCommand);
  HWND Handle() const { return frmmain; }

  // Gives the window's keys a look at a message before the dialog manager does. True when the
  // message was the window's and is done with.
  bool PreTranslateMessage(const MSG& message);

 private:
  template <typename Window>
  friend LRESULT CALLBACK win32::ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  // The window is this object, handed in through CreateWindowEx.
  static Tfrmmain* Attach(HWND window, const CREATESTRUCTW& create);
  static void Detach(Tfrmmain* self);
  static LRESULT CALLBACK EdtcodeProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR subclass, DWORD_PTR data);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int control, int notification);

  void CreateControls();
  void ApplyLayout(int dpi);
  SIZE FrameSize() const;

  void FormCreate();
  void btnfiltClick();
  void btncopyClick();
  void btncloseClick();
  void edtcodeChange();
  void edtcodeClick();

  void SelectInResult(int start, int length);

  HWND frmmain = nullptr;
  HWND lbljushu = nullptr;
  HWND memcode = nullptr;
  HWND Label1 = nullptr;
  HWND Label2 = nullptr;
  HWND edtcode = nullptr;
  HWND edtdj = nullptr;
  HWND btnfilt = nullptr;
  HWND btncopy = nullptr;
  HWND btnclose = nullptr;
  win32::Announcer announcer;

  std::wstring fontFace;
  win32::OwnedFont font;
  int dpi = USER_DEFAULT_SCREEN_DPI;
  HWND focusBeforeDeactivation = nullptr;
  bool leftPressedInEdtcode = false;
};
