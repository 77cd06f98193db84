#include "ui/win32/clipboard.h"

#include <cstring>

namespace win32 {
namespace {

constexpr DWORD kRetryMilliseconds = 10;
constexpr int kTries = 25;

bool OpenBusyClipboard(HWND owner) {
  for (int attempt = 1; attempt <= kTries; ++attempt) {
    if (OpenClipboard(owner) != FALSE) return true;
    if (attempt < kTries) Sleep(kRetryMilliseconds);
  }
  return false;
}

}  // namespace

bool CopyToClipboard(HWND owner, std::wstring_view text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory == nullptr) return false;
  auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
  std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
  copy[text.size()] = L'\0';
  GlobalUnlock(memory);

  if (!OpenBusyClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // Once set, the memory is the clipboard's.
  const bool copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  // cppcheck-suppress doubleFree ; freed only when the clipboard refused it
  if (!copied) GlobalFree(memory);
  CloseClipboard();
  return copied;
}

}  // namespace win32
