#pragma once

// Control identifiers of the main window: WM_COMMAND names its sender by them, and
// GetDlgItem finds a control by them.
enum ControlId : int {
  kIdLbljushu = 100,
  kIdMemcode,
  kIdLabel1,
  kIdLabel2,
  kIdEdtcode,
  kIdEdtdj,
  kIdBtnfilt,
  kIdBtncopy,
  kIdBtnclose,
};
