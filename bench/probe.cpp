// Measures a running program from outside, in milliseconds and bytes.
//   probe startup EXE              process start to its first window shown and idle
//   probe clicks EXE ROUNDS        24 picture clicks in the Desktop window, each round's total
//   probe homepage-clicks EXE ROUNDS   the same in the Home Page window (the cost of a click itself)
//   probe footprint EXE [open]     peak working set, after opening every window with "open"
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * t.QuadPart / frequency.QuadPart;
}

PROCESS_INFORMATION Start(const wchar_t* exe) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + std::wstring(exe) + L"\"";
  if (!CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start %ls\n", exe);
    ExitProcess(3);
  }
  return process;
}

void Stop(PROCESS_INFORMATION& process) {
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

HWND VisibleWindowOf(DWORD pid, const wchar_t* title = nullptr) {
  struct Search {
    DWORD pid;
    const wchar_t* title;
    HWND found;
  } search{pid, title, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s->pid || !IsWindowVisible(hwnd)) return TRUE;
        wchar_t text[256] = {};
        SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
        if (s->title && std::wstring(text) != s->title) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitWindow(DWORD pid, const wchar_t* title) {
  for (int i = 0; i < 4000; ++i) {
    if (HWND h = VisibleWindowOf(pid, title)) return h;
    Sleep(5);
  }
  std::fprintf(stderr, "no window %ls\n", title ? title : L"");
  ExitProcess(4);
}

// A control by the name the program gives it (a global atom in the "VelmoraControl" property).
HWND Control(HWND window, const wchar_t* name) {
  struct Search {
    const wchar_t* name;
    HWND found;
  } search{name, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t text[128] = {};
        const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(child, L"VelmoraControl")));
        if (atom && GlobalGetAtomNameW(atom, text, 128) && std::wstring(text) == s->name) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Pictures(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM p) -> BOOL {
        if (GetWindowLongPtrW(child, GWL_STYLE) & BS_OWNERDRAW) reinterpret_cast<std::vector<HWND>*>(p)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void Click(HWND window, const wchar_t* name) { SendMessageW(Control(window, name), BM_CLICK, 0, 0); }

HWND OpenMainWindow(const PROCESS_INFORMATION& process) {
  HWND splash = WaitWindow(process.dwProcessId, L"");
  Click(splash, L"btnOK");
  return WaitWindow(process.dwProcessId, L"Velmora - Varro Edition");
}

int Startup(const wchar_t* exe) {
  const double start = Now();
  PROCESS_INFORMATION process = Start(exe);
  WaitForInputIdle(process.hProcess, 10000);
  WaitWindow(process.dwProcessId, nullptr);
  WaitForInputIdle(process.hProcess, 10000);
  std::printf("%.3f\n", Now() - start);
  Stop(process);
  return 0;
}

int Clicks(const wchar_t* exe, int rounds, const wchar_t* button = L"btnDesktopShortcuts",
           const wchar_t* title = L"Desktop Shortcuts") {
  PROCESS_INFORMATION process = Start(exe);
  HWND main = OpenMainWindow(process);
  Click(main, button);
  HWND desktop = WaitWindow(process.dwProcessId, title);
  const std::vector<HWND> pictures = Pictures(desktop);
  for (int round = 0; round < rounds; ++round) {
    const double start = Now();
    for (HWND picture : pictures) SendMessageW(picture, BM_CLICK, 0, 0);  // returns when the file is written
    std::printf("%.3f\n", Now() - start);
  }
  Stop(process);
  return pictures.size() == 24 ? 0 : 5;
}

int Footprint(const wchar_t* exe, bool openAll) {
  PROCESS_INFORMATION process = Start(exe);
  WaitForInputIdle(process.hProcess, 10000);
  WaitWindow(process.dwProcessId, nullptr);
  if (openAll) {
    HWND main = OpenMainWindow(process);
    const std::pair<const wchar_t*, const wchar_t*> buttons[] = {
        {L"btnDesktopBackground", L"Desktop Background"}, {L"btnDesktopShortcuts", L"Desktop Shortcuts"},
        {L"btnStartMenu", L"Start Menu"}, {L"btnHomePage", L"Home Page"}, {L"btnFavoritesMenu", L"Favorites"}};
    for (const auto& [button, title] : buttons) {
      Click(main, button);
      WaitWindow(process.dwProcessId, title);
    }
    PostMessageW(main, WM_COMMAND, 1006, 0);  // Help > About
    WaitWindow(process.dwProcessId, L"About Velmora VarroEdition");
  }
  WaitForInputIdle(process.hProcess, 10000);
  Sleep(300);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
  std::printf("%zu\n", static_cast<size_t>(counters.PeakWorkingSetSize));
  Stop(process);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 2 ? argv[1] : L"";
  if (command == L"startup") return Startup(argv[2]);
  if (command == L"clicks" && argc > 3) return Clicks(argv[2], _wtoi(argv[3]));
  if (command == L"homepage-clicks" && argc > 3) return Clicks(argv[2], _wtoi(argv[3]), L"btnHomePage", L"Home Page");
  if (command == L"footprint") return Footprint(argv[2], argc > 3 && std::wstring(argv[3]) == L"open");
  std::fprintf(stderr, "usage: probe startup EXE | clicks EXE ROUNDS | footprint EXE [open]\n");
  return 2;
}
