#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

#include "app/identity.h"
#include "platform/text.h"
#include "platform/win32/win32_ports.h"
#include "ui/geometry.h"

namespace velmora::win32 {
namespace {

constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 1000;

bool IsButton(const Control& c) { return c.kind == ControlKind::Button || c.kind == ControlKind::PictureButton; }

WORD VirtualKey(const std::string& key) {
  if (key.size() > 1 && key[0] == 'F') return static_cast<WORD>(VK_F1 + std::stoi(key.substr(1)) - 1);
  return static_cast<WORD>(std::toupper(static_cast<unsigned char>(key[0])));
}

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool FormWindow::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  return RegisterClassExW(&wc) != 0;
}

FormWindow::FormWindow(FormDescription description, std::unique_ptr<FormHandlers> handlers, Resources& resources,
                       HWND hiddenOwner, std::function<void()> onDestroyed)
    : description_(std::move(description)),
      handlers_(std::move(handlers)),
      resources_(resources),
      onDestroyed_(std::move(onDestroyed)) {
  CreateWindowFrame(hiddenOwner);
  try {
    CreateControls();
    AddTooltips();
    handlers_->Load(*this);
  } catch (...) {
    onDestroyed_ = nullptr;  // the caller learns of it from the exception
    DestroyWindow(hwnd_);
    throw;
  }
  // Focus rectangles and access-key underlines always show: a child may not know the keyboard trick.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (Live* focus = LiveByName(description_.focus)) {
    lastFocus_ = focus->hwnd;
    SetFocus(focus->hwnd);
  }
}

FormWindow::~FormWindow() {
  for (ATOM atom : atoms_) GlobalDeleteAtom(atom);
  if (hwnd_ && IsWindow(hwnd_)) {
    onDestroyed_ = nullptr;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void FormWindow::CreateWindowFrame(HWND hiddenOwner) {
  DWORD style = 0, ex = 0;  // no WS_CLIPCHILDREN: frames are hollow and show the window beneath
  switch (description_.border) {
    case Border::None: style |= WS_POPUP; break;
    case Border::FixedDialog:
      style |= WS_POPUP | (description_.titleBar ? WS_CAPTION : WS_DLGFRAME);
      ex |= WS_EX_DLGMODALFRAME;
      break;
    case Border::FixedSingle: style |= WS_OVERLAPPED | WS_CAPTION; break;
    case Border::Sizable: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
  }
  if (description_.titleBar && description_.controlBox) style |= WS_SYSMENU;
  if (description_.minButton) style |= WS_MINIMIZEBOX;
  if (description_.maxButton) style |= WS_MAXIMIZEBOX;
  HWND owner = nullptr;
  if (description_.showInTaskbar) {
    ex |= WS_EX_APPWINDOW;
  } else {
    owner = hiddenOwner;  // an owned window gets no task bar button
  }

  HMENU menu = description_.menus.empty() ? nullptr : BuildMenu();
  RECT frame{0, 0, resources_.Pixels(description_.clientWidth), resources_.Pixels(description_.clientHeight)};
  AdjustWindowRectEx(&frame, style, menu != nullptr, ex);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // Centred on the screen; windows "centred on the owner" have none, so the screen it is.
  const int x = work.left + std::max(0L, (work.right - work.left - width) / 2);
  const int y = work.top + std::max(0L, (work.bottom - work.top - height) / 2);

  hwnd_ = CreateWindowExW(ex, kFormClass, Widen(description_.caption).c_str(), style, x, y, width, height, owner,
                          menu, resources_.instance(), this);
  if (!hwnd_) {
    const OsError error = LastError();
    if (menu) DestroyMenu(menu);
    throw error;
  }
  const HICON icon = resources_.Icon(description_.icon);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

HMENU FormWindow::BuildMenu() {
  HMENU bar = CreateMenu();
  if (!bar) throw LastError();
  std::vector<ACCEL> keys;
  for (const Menu& menu : description_.menus) {
    HMENU popup = CreatePopupMenu();
    if (!popup) {
      const OsError error = LastError();
      DestroyMenu(bar);
      throw error;
    }
    for (const MenuItem& item : menu.items) {
      const WORD id = static_cast<WORD>(kFirstMenuId + menuItems_.size());
      menuItems_.push_back(item.name);
      std::string text = item.caption;
      if (!item.shortcut.key.empty()) {
        text += std::string("\t") + (item.shortcut.ctrl ? "Ctrl+" : "") + item.shortcut.key;
        keys.push_back({static_cast<BYTE>(FVIRTKEY | (item.shortcut.ctrl ? FCONTROL : 0)),
                        VirtualKey(item.shortcut.key), id});
      }
      AppendMenuW(popup, MF_STRING, id, Widen(text).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(menu.caption).c_str());
  }
  if (!keys.empty()) accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
  return bar;
}

void FormWindow::CreateControls() {
  live_.resize(description_.controls.size());
  for (std::size_t i = 0; i < live_.size(); ++i) live_[i].control = &description_.controls[i];
  // Creation order is z-order and Windows' own Tab order: the table's Tab cycle first, then the rest.
  std::vector<std::size_t> order;
  for (const std::string& name : description_.tabOrder) {
    if (Live* l = LiveByName(name)) order.push_back(static_cast<std::size_t>(l - live_.data()));
  }
  for (std::size_t i = 0; i < live_.size(); ++i) {
    if (std::find(order.begin(), order.end(), i) == order.end()) order.push_back(i);
  }
  for (std::size_t index : order) CreateControl(index);
}

void FormWindow::CreateControl(std::size_t index) {
  Live& live = live_[index];
  const Control& c = *live.control;
  // Frames and lines are drawn by the window itself, beneath every control, as the tables layer them.
  if (c.kind == ControlKind::Line || c.kind == ControlKind::Frame) return;
  const wchar_t* cls = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (c.kind) {
    case ControlKind::Label:
      style |= c.align == Align::Right ? SS_RIGHT : c.align == Align::Center ? SS_CENTER
               : c.wordWrap            ? SS_LEFT
                                       : SS_LEFTNOWORDWRAP;
      break;
    case ControlKind::Button:
      cls = L"BUTTON";
      style |= WS_TABSTOP | (c.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case ControlKind::PictureButton:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_OWNERDRAW;
      break;
    case ControlKind::Image:
    case ControlKind::PictureBox: style |= SS_OWNERDRAW; break;
    case ControlKind::Frame:
    case ControlKind::Line: break;
  }
  PixelRect r = ToPixels(description_.WindowRect(c), resources_.dpi());
  if (c.kind == ControlKind::PictureBox && c.autoSize) {  // sizes itself to its icon
    ICONINFO info{};
    BITMAP bm{};
    if (GetIconInfo(resources_.Icon(IconSize::Small), &info)) {
      GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
      r.width = bm.bmWidth;
      r.height = bm.bmHeight;
    }
  }
  live.hwnd = CreateWindowExW(0, cls, Widen(c.caption).c_str(), style, r.left, r.top, r.width, r.height, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
                              resources_.instance(), nullptr);
  if (!live.hwnd) throw LastError();
  const ATOM atom = GlobalAddAtomW(Widen(c.name).c_str());
  if (atom) {
    atoms_.push_back(atom);
    SetPropW(live.hwnd, kControlNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
  }
  SendMessageW(live.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(resources_.FontFor(description_.EffectiveFont(c))), FALSE);
  // The font the control really shows, readable from outside (fonts are private to a process).
  LOGFONTW shown{};
  if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(live.hwnd, WM_GETFONT, 0, 0)), sizeof shown, &shown)) {
    const std::wstring text = std::wstring(shown.lfFaceName) + L"|" + std::to_wstring(-shown.lfHeight) + L"|" +
                              std::to_wstring(shown.lfWeight);
    if (const ATOM fontAtom = GlobalAddAtomW(text.c_str())) {
      atoms_.push_back(fontAtom);
      SetPropW(live.hwnd, kControlFontProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(fontAtom)));
    }
  }
  if (c.kind == ControlKind::PictureButton) {
    resources_.Bitmap(c.picture);  // fail now, not at the first paint
    SetWindowSubclass(live.hwnd, ButtonProc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  if (c.kind == ControlKind::Image) resources_.Bitmap(c.picture);
  if (c.autoSize && c.kind == ControlKind::Label) Fit(live);
}

void FormWindow::AddTooltips() {
  bool any = false;
  for (const Live& l : live_) any = any || (l.hwnd && !l.control->tooltip.empty());
  if (!any) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                             0, hwnd_, nullptr, resources_.instance(), nullptr);
  if (!tooltip_) throw LastError();
  for (const Live& l : live_) {
    if (!l.hwnd || l.control->tooltip.empty()) continue;
    std::wstring text = Widen(l.control->tooltip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(l.hwnd);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void FormWindow::Fit(Live& live) {
  const int length = GetWindowTextLengthW(live.hwnd);
  std::wstring text(length + 1, L'\0');
  GetWindowTextW(live.hwnd, text.data(), length + 1);
  text.resize(length);
  HDC dc = GetDC(live.hwnd);
  RECT extent{0, 0, 0, 0};
  {
    SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(live.hwnd, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), length, &extent, DT_CALCRECT | DT_SINGLELINE);
  }
  ReleaseDC(live.hwnd, dc);
  const PixelRect table = ToPixels(description_.WindowRect(*live.control), resources_.dpi());
  const int width = extent.right, height = extent.bottom;
  const int left = live.control->align == Align::Right ? table.left + table.width - width : table.left;
  SetWindowPos(live.hwnd, nullptr, left, table.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

FormWindow::Live* FormWindow::LiveOf(HWND hwnd) {
  for (Live& l : live_)
    if (l.hwnd && l.hwnd == hwnd) return &l;
  return nullptr;
}

FormWindow::Live* FormWindow::LiveByName(std::string_view name) {
  for (Live& l : live_)
    if (l.control->name == name) return &l;
  return nullptr;
}

void FormWindow::SetCaption(std::string_view control, const std::string& text) {
  Live* live = LiveByName(control);
  if (!live || !live->hwnd) return;
  SetWindowTextW(live->hwnd, Widen(text).c_str());
  if (live->control->autoSize && live->control->kind == ControlKind::Label) Fit(*live);
  // A transparent label does not erase its old text itself.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::SetTitle(const std::string& text) { SetWindowTextW(hwnd_, Widen(text).c_str()); }

// Deferred, so that the handler that asked finishes before its window goes.
void FormWindow::Close() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void FormWindow::BringToFront() {
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  SetForegroundWindow(hwnd_);
  BringWindowToTop(hwnd_);
}

void FormWindow::Fire(std::string_view name) {
  try {
    handlers_->Click(name, *this);
  } catch (const OsError& error) {
    MessageBoxW(hwnd_, error.reason().c_str(), Widen(kAppTitle).c_str(), MB_OK | MB_ICONWARNING);
  } catch (const std::exception&) {
    MessageBoxW(hwnd_, L"The program ran out of memory.", Widen(kAppTitle).c_str(), MB_OK | MB_ICONWARNING);
  }
}

void FormWindow::MoveFocus(int step) {
  std::vector<HWND> cycle;
  for (const std::string& name : description_.tabOrder) {
    if (Live* l = LiveByName(name); l && l->hwnd && IsWindowVisible(l->hwnd) && IsWindowEnabled(l->hwnd))
      cycle.push_back(l->hwnd);
  }
  if (cycle.empty()) return;
  const auto at = std::find(cycle.begin(), cycle.end(), GetFocus());
  const int n = static_cast<int>(cycle.size());
  const int next = at == cycle.end() ? 0 : (static_cast<int>(at - cycle.begin()) + step + n) % n;
  SetFocus(cycle[next]);
}

bool FormWindow::PreTranslate(const MSG& msg) {
  if (accelerators_.get() && TranslateAcceleratorW(hwnd_, accelerators_.get(), const_cast<MSG*>(&msg))) return true;
  const Live* focused = LiveOf(GetFocus());
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_TAB && !KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) {
        MoveFocus(KeyDown(VK_SHIFT) ? -1 : 1);
        return true;
      }
      if (msg.wParam == VK_ESCAPE) {
        if (const Control* cancel = description_.CancelButton()) {
          Fire(cancel->name);
          return true;
        }
        return false;
      }
      if (msg.wParam == VK_RETURN || msg.wParam == VK_SPACE) {
        if (focused && IsButton(*focused->control)) {
          Fire(focused->control->name);  // the focused button, as Windows dialogs do
          return true;
        }
        const Control* byDefault = description_.DefaultButton();
        if (msg.wParam == VK_RETURN && byDefault) {
          Fire(byDefault->name);
          return true;
        }
      }
      return false;
    case WM_SYSCHAR: {
      const char key = static_cast<char>(std::toupper(static_cast<int>(msg.wParam & 0xFF)));
      for (Live& l : live_) {
        if (l.hwnd && IsButton(*l.control) && AccessKey(l.control->caption) == key) {
          SetFocus(l.hwnd);
          Fire(l.control->name);
          return true;
        }
      }
      return false;  // the menu bar's access keys
    }
    case WM_CHAR:
      if (description_.keyPreview) return handlers_->KeyPress(static_cast<char>(msg.wParam & 0xFF), *this);
      return false;
    default: return false;
  }
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    if (self->onDestroyed_) self->onDestroyed_();  // last: the owner may now let this object go
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (lParam == 0 && id >= kFirstMenuId && id < kFirstMenuId + static_cast<int>(menuItems_.size())) {
        Fire(menuItems_[id - kFirstMenuId]);
        return 0;
      }
      const int index = id - kFirstControlId;
      if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < static_cast<int>(live_.size()) &&
          IsButton(*live_[index].control)) {
        Fire(live_[index].control->name);
        return 0;
      }
      break;
    }
    case WM_DRAWITEM: Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC: {
      // Labels are transparent, so that a frame drawn beneath one still shows.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_CTLCOLORBTN: return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      PaintDecorations(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_SETCURSOR:
      if (Win32Pointer::Busy()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (LiveOf(GetFocus())) lastFocus_ = GetFocus();
      } else if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (lastFocus_ && IsWindow(lastFocus_)) SetFocus(lastFocus_);
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
  auto* self = reinterpret_cast<FormWindow*>(data);
  switch (message) {
    case WM_MOUSEMOVE:
      if (Live* live = self->LiveOf(hwnd); live && !live->hot) {
        live->hot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      if (Live* live = self->LiveOf(hwnd)) {
        live->hot = false;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, ButtonProc, 1); break;
    default: break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void FormWindow::Draw(const DRAWITEMSTRUCT& item) {
  const Live* live = LiveOf(item.hwndItem);
  if (!live) return;
  const Control& c = *live->control;
  if (c.kind == ControlKind::PictureButton) {
    DrawPictureButton(*live, item);
  } else if (c.kind == ControlKind::Image) {
    const RECT& r = item.rcItem;
    BlitPicture(item.hDC, c.picture, r.left, r.top, r.right - r.left, r.bottom - r.top);
  } else if (c.kind == ControlKind::PictureBox) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(item.hDC, 0, 0, resources_.Icon(IconSize::Small), 0, 0, 0, nullptr, DI_NORMAL);
  }
}

void FormWindow::DrawPictureButton(const Live& live, const DRAWITEMSTRUCT& item) {
  const Control& c = *live.control;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (live.hot ? DFCS_HOT : 0));
  if (live.hot && !pressed) {  // a visible hover for the mouse
    RECT glow{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    FrameRect(dc, &glow, GetSysColorBrush(COLOR_HOTLIGHT));
  }
  const int shift = pressed ? 1 : 0;
  RECT inner{r.left + 3 + shift, r.top + 2 + shift, r.right - 3 + shift, r.bottom - 2 + shift};

  const std::wstring caption = Widen(c.caption);
  SelectedObject font(dc, resources_.FontFor(description_.EffectiveFont(c)));
  RECT text = inner;
  DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  const int textHeight = text.bottom - text.top;
  text = {inner.left, inner.bottom - textHeight, inner.right, inner.bottom};

  // The picture above the caption, at its own size, or scaled down (never up) where it would not fit.
  const SIZE natural = resources_.BitmapSize(c.picture);
  const int areaWidth = inner.right - inner.left;
  const int areaHeight = std::max<int>(1, text.top - inner.top);
  const double scale = std::min({1.0, static_cast<double>(areaWidth) / natural.cx,
                                 static_cast<double>(areaHeight) / natural.cy});
  const int w = std::max(1, static_cast<int>(natural.cx * scale)), h = std::max(1, static_cast<int>(natural.cy * scale));
  BlitPicture(dc, c.picture, inner.left + (areaWidth - w) / 2, inner.top + (areaHeight - h) / 2, w, h);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
    DrawFocusRect(dc, &focus);
  }
}

void FormWindow::BlitPicture(HDC dc, int picture, int x, int y, int width, int height) {
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  {
    SelectedObject selected(source, resources_.ScaledBitmap(picture, width, height));
    BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
  }
  DeleteDC(source);
}

void FormWindow::PaintDecorations(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  for (const Control& c : description_.controls) {
    if (c.kind == ControlKind::Frame) {
      const PixelRect r = ToPixels(description_.WindowRect(c), resources_.dpi());
      SelectedObject font(dc, resources_.FontFor(description_.EffectiveFont(c)));
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc, &metrics);
      RECT edge{r.left, r.top + metrics.tmHeight / 2, r.left + r.width, r.top + r.height};
      DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
      if (!c.caption.empty()) {
        const std::wstring caption = Widen(c.caption);
        RECT text{r.left + 8, r.top, r.left + r.width - 8, r.top + metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
        RECT back{text.left - 2, text.top, text.right + 2, text.bottom};
        FillRect(dc, &back, GetSysColorBrush(COLOR_BTNFACE));
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
      }
    } else if (c.kind == ControlKind::Line) {
      const COLORREF colour = RGB((c.color >> 16) & 0xFF, (c.color >> 8) & 0xFF, c.color & 0xFF);
      UniquePen pen(CreatePen(PS_SOLID, c.lineWidth, colour));
      SelectedObject selected(dc, pen.get());
      // A line's rect holds its two end points.
      MoveToEx(dc, resources_.Pixels(c.rect.left), resources_.Pixels(c.rect.top), nullptr);
      LineTo(dc, resources_.Pixels(c.rect.width), resources_.Pixels(c.rect.height));
    }
  }
}

}  // namespace velmora::win32
