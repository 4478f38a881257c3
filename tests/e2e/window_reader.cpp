// Reads the live windows of the running program from outside, for the end-to-end tests.
//   inspect windows                  every visible top-level window: class, title, client rect on screen
//   inspect controls TITLE           each control of that window: name, class, text, client rect, font
//   inspect focus TITLE              the name of the control that has the keyboard focus
//   inspect processes                the image names of running processes
//   inspect record FILE ARGS...      appends its arguments to FILE (stands in for a browser)
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Text(HWND hwnd) {
  wchar_t buffer[4096] = {};
  // WM_GETTEXT rather than GetWindowText, which will not read another process's controls.
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t buffer[256] = {};
  GetClassNameW(hwnd, buffer, 256);
  return buffer;
}

std::wstring AtomProperty(HWND hwnd, const wchar_t* property) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(hwnd, property)));
  wchar_t buffer[256] = {};
  if (atom) GlobalGetAtomNameW(atom, buffer, 256);
  return buffer;
}

std::wstring ControlName(HWND hwnd) { return AtomProperty(hwnd, L"VelmoraControl"); }

std::string Font(HWND hwnd) {
  const std::string font = Utf8(AtomProperty(hwnd, L"VelmoraFont"));
  return font.empty() ? "?|0|0" : font;
}

std::string Escape(const std::wstring& text) {
  std::string out;
  for (char c : Utf8(text)) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '|') out += "\\p";
    else out += c;
  }
  return out;
}

HWND FindTop(const std::wstring& title) {
  struct Search {
    std::wstring title;
    HWND found = nullptr;
  } search{title};
  EnumWindows(
      [](HWND hwnd, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (IsWindowVisible(hwnd) && Text(hwnd) == s->title) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int Windows() {
  EnumWindows(
      [](HWND hwnd, LPARAM) -> BOOL {
        if (!IsWindowVisible(hwnd)) return TRUE;
        RECT client{};
        GetClientRect(hwnd, &client);
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        std::printf("window|%s|%s|%ld,%ld,%ld,%ld|%d\n", Escape(ClassOf(hwnd)).c_str(), Escape(Text(hwnd)).c_str(),
                    origin.x, origin.y, client.right, client.bottom,
                    (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW) ? 1 : 0);
        return TRUE;
      },
      0);
  return 0;
}

int Controls(const std::wstring& title) {
  HWND top = FindTop(title);
  if (!top) return 3;
  EnumChildWindows(
      top,
      [](HWND child, LPARAM top) -> BOOL {
        if (GetParent(child) != reinterpret_cast<HWND>(top)) return TRUE;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, reinterpret_cast<HWND>(top), reinterpret_cast<POINT*>(&r), 2);
        // The font as "face|pixel height|weight".
        std::printf("control|%s|%s|%s|%ld,%ld,%ld,%ld|%s|%d\n", Escape(ControlName(child)).c_str(),
                    Escape(ClassOf(child)).c_str(), Escape(Text(child)).c_str(), r.left, r.top, r.right - r.left,
                    r.bottom - r.top, Font(child).c_str(), IsWindowVisible(child) ? 1 : 0);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(top));
  return 0;
}

int Focus(const std::wstring& title) {
  HWND top = FindTop(title);
  if (!top) return 3;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) return 4;
  std::printf("%s\n", info.hwndFocus ? Escape(ControlName(info.hwndFocus)).c_str() : "");
  return 0;
}

int Processes() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    std::printf("%s\n", Utf8(entry.szExeFile).c_str());
  CloseHandle(snapshot);
  return 0;
}

int Record(int argc, wchar_t** argv) {
  FILE* out = _wfopen(argv[2], L"a");
  if (!out) return 5;
  for (int i = 3; i < argc; ++i) std::fprintf(out, "%s%s", i > 3 ? " " : "", Utf8(argv[i]).c_str());
  std::fprintf(out, "\n");
  std::fclose(out);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"windows") return Windows();
  if (command == L"controls" && argc == 3) return Controls(argv[2]);
  if (command == L"focus" && argc == 3) return Focus(argv[2]);
  if (command == L"processes") return Processes();
  if (command == L"record" && argc >= 3) return Record(argc, argv);
  std::fprintf(stderr, "usage: inspect windows | controls TITLE | focus TITLE | processes | record FILE ARGS...\n");
  return 2;
}
