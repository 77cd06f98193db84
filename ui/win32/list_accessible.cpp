#include "ui/win32/list_accessible.h"

#include <oleacc.h>

#include <string>

#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT AnswerText(const std::wstring& text, BSTR* answer) {
  if (answer == nullptr) return E_POINTER;
  *answer = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT AnswerNumber(LONG number, VARIANT* answer) {
  if (answer == nullptr) return E_POINTER;
  answer->vt = VT_I4;
  answer->lVal = number;
  return S_OK;
}

// What the view says of itself; everything else (its place, parent, navigation) is the standard
// object's.
class ListAccessible final : public IAccessible {
 public:
  ListAccessible(HWND view, IAccessible* standard) : view_(view), standard_(standard) {}
  ~ListAccessible() { standard_->Release(); }
  ListAccessible(const ListAccessible&) = delete;
  ListAccessible& operator=(const ListAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The window behind the object, and its children; any other interface (marshalling among
    // them) must be this object's own or none.
    if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IEnumVARIANT)) {
      return standard_->QueryInterface(iid, object);
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    return AnswerText(WindowText(GetWindow(view_, GW_HWNDPREV)), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    return AnswerText(WindowText(view_), value);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    return AnswerNumber(ROLE_SYSTEM_TEXT, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    LONG shown = STATE_SYSTEM_READONLY;
    if (IsWindowEnabled(view_) == FALSE) shown |= STATE_SYSTEM_UNAVAILABLE;
    if (IsWindowVisible(view_) == FALSE) shown |= STATE_SYSTEM_INVISIBLE;
    return AnswerNumber(shown, state);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, badArgument);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return standard_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override {
    return standard_->get_accFocus(focused);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override {
    return standard_->get_accSelection(selected);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    return standard_->accHitTest(x, y, hit);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  HWND view_;
  IAccessible* standard_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AnswerGetObject(HWND view, WPARAM flags, LPARAM objectId) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT) {
    return DefWindowProcW(view, WM_GETOBJECT, flags, objectId);
  }
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(view, OBJID_CLIENT, IID_IAccessible,
                                       reinterpret_cast<void**>(&standard)))) {
    return DefWindowProcW(view, WM_GETOBJECT, flags, objectId);
  }
  auto* accessible = new ListAccessible(view, standard);
  const LRESULT answer = LresultFromObject(IID_IAccessible, flags, accessible);
  accessible->Release();
  return answer;
}

}  // namespace win32
