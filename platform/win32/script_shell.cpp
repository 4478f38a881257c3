// The Windows Script Host shell object, driven through IDispatch so that no type library is needed.

#include "platform/text.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_ports.h"

namespace velmora::win32 {
namespace {

const CLSID kWshShell = {0xF935DC22, 0x1CF0, 0x11D0, {0xAD, 0xB9, 0x00, 0xC0, 0x4F, 0xD5, 0x8A, 0x0B}};
const IID kIWshShell3 = {0x41904400, 0xBE18, 0x11D3, {0xA2, 0x8B, 0x00, 0x10, 0x4B, 0xD3, 0x50, 0x90}};

void Check(HRESULT hr) {
  if (FAILED(hr)) throw ErrorFrom(static_cast<unsigned long>(hr));
}

class WshShellObject : public ScriptShellObject {
 public:
  explicit WshShellObject(ComPtr<IDispatch> shell) : shell_(std::move(shell)) {}

  std::wstring SpecialFolder(std::string_view name) override {
    const Ole& ole = OleFunctions();
    DISPID id = 0;
    wchar_t member[] = L"SpecialFolders";
    LPOLESTR names[] = {member};
    Check(shell_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
    DISPPARAMS none{};
    UniqueVariant collection(ole.VariantClear);
    Check(shell_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, collection.get(), nullptr,
                         nullptr));
    if (V_VT(collection.get()) != VT_DISPATCH || !V_DISPATCH(collection.get())) throw ErrorFrom(DISP_E_TYPEMISMATCH);

    UniqueVariant argument(ole.VariantClear);
    V_VT(argument.get()) = VT_BSTR;
    V_BSTR(argument.get()) = ole.SysAllocString(Widen(name).c_str());
    DISPPARAMS params{argument.get(), nullptr, 1, 0};
    UniqueVariant result(ole.VariantClear);
    Check(V_DISPATCH(collection.get())
              ->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params,
                       result.get(), nullptr, nullptr));
    Check(ole.VariantChangeType(result.get(), result.get(), 0, VT_BSTR));
    const BSTR text = V_BSTR(result.get());
    return text ? std::wstring(text, ole.SysStringLen(text)) : std::wstring();
  }

 private:
  ComPtr<IDispatch> shell_;
};

}  // namespace

std::unique_ptr<ScriptShellObject> Win32ScriptShell::Create() {
  const Ole& ole = OleFunctions();
  // The class as registered: by its id, or where that is unknown by its program id. Found once.
  static CLSID shellClass = [&ole] {
    CLSID byProgId{};
    IUnknown* probe = nullptr;
    if (SUCCEEDED(ole.CoCreateInstance(kWshShell, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&probe)))) {
      probe->Release();
      return kWshShell;
    }
    return SUCCEEDED(ole.CLSIDFromProgID(L"WScript.Shell", &byProgId)) ? byProgId : kWshShell;
  }();
  ComPtr<IDispatch> shell;
  HRESULT hr = ole.CoCreateInstance(shellClass, nullptr, CLSCTX_INPROC_SERVER, kIWshShell3, shell.put_void());
  if (hr == E_NOINTERFACE) {  // an older host without the newest interface
    hr = ole.CoCreateInstance(shellClass, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, shell.put_void());
  }
  Check(hr);
  return std::make_unique<WshShellObject>(std::move(shell));
}

}  // namespace velmora::win32
