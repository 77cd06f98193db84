#include "ui/win32/announcer.h"

#include <commctrl.h>

#include <utility>

#include "ui/win32/live_region.h"

namespace win32 {
namespace {

// Posted to the control, so that the text is told once the handler that asked for it returns.
constexpr UINT kPresentMessage = WM_APP;

}  // namespace

void Announcer::Create(HWND window) {
  control_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, window, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (control_ == nullptr) return;
  SetWindowSubclass(control_, ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
  // Windows 7 has no live regions and wine does not keep the property: either refuses it, and
  // the region is still named and its change still raised.
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, reinterpret_cast<void**>(&properties_)))) {
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kLiveSettingPolite;
    properties_->SetHwndProp(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             kLiveSettingProperty, polite);
  }
}

void Announcer::Say(std::wstring text) {
  text_ = std::move(text);
  if (pending_ || control_ == nullptr) return;
  pending_ = PostMessageW(control_, kPresentMessage, 0, 0) != FALSE;
}

void Announcer::Present() {
  pending_ = false;
  SetWindowTextW(control_, text_.c_str());
  // Raised even when the text is the one told last: each is an announcement of its own.
  NotifyWinEvent(kEventObjectLiveRegionChanged, control_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK Announcer::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR subclass, DWORD_PTR data) {
  auto* self = reinterpret_cast<Announcer*>(data);
  switch (message) {
    case kPresentMessage:
      self->Present();
      return 0;
    case WM_NCDESTROY:
      if (self->properties_ != nullptr) {
        const MSAAPROPID liveSetting = kLiveSettingProperty;
        self->properties_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          &liveSetting, 1);
        std::exchange(self->properties_, nullptr)->Release();
      }
      self->control_ = nullptr;
      RemoveWindowSubclass(control, ControlProc, subclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace win32
