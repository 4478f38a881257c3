// The floor for a picture click: the same work done plainly in one process, 24 times: create
// the script host's shell object, ask it for the Desktop folder, write and close the 26 + n bytes.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 1;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  CLSID shellClass{};
  CLSIDFromProgID(L"WScript.Shell", &shellClass);
  for (int round = 0; round < rounds; ++round) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 24; ++i) {
      IDispatch* shell = nullptr;
      CoCreateInstance(shellClass, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&shell));
      wchar_t member[] = L"SpecialFolders";
      LPOLESTR names[] = {member};
      DISPID id = 0;
      shell->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
      DISPPARAMS none{};
      VARIANT folders;
      VariantInit(&folders);
      shell->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &folders, nullptr, nullptr);
      VARIANT name, path;
      VariantInit(&name);
      VariantInit(&path);
      name.vt = VT_BSTR;
      name.bstrVal = SysAllocString(L"Desktop");
      DISPPARAMS args{&name, nullptr, 1, 0};
      folders.pdispVal->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                               &args, &path, nullptr, nullptr);
      const std::wstring file = std::wstring(path.bstrVal) + L"\\floor " + std::to_wstring(i) + L".url";
      const std::string bytes = "[InternetShortcut]\r\nURL=http://www.espn.com/nfl/index\r\n";
      HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      DWORD written = 0;
      WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(h);
      VariantClear(&path);
      VariantClear(&name);
      VariantClear(&folders);
      shell->Release();
    }
    QueryPerformanceCounter(&end);
    std::printf("%.3f\n", 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart);
  }
  CoUninitialize();
  return 0;
}
