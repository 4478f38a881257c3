#pragma once
// One realised window: a FormDescription made into real controls, its handlers wired to them.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/form.h"
#include "ui/win32/resources.h"

namespace velmora::win32 {

constexpr wchar_t kFormClass[] = L"VelmoraForm";
// Global atoms on each control, for accessibility tools and tests: its name, and "face|pixels|weight".
constexpr wchar_t kControlNameProperty[] = L"VelmoraControl";
constexpr wchar_t kControlFontProperty[] = L"VelmoraFont";


class FormWindow : public FormSurface {
 public:
  // Creates the window and its controls, runs Load and shows it; throws OsError on failure.
  FormWindow(FormDescription description, std::unique_ptr<FormHandlers> handlers, Resources& resources,
             HWND hiddenOwner, std::function<void()> onDestroyed);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  static bool RegisterClass(HINSTANCE instance);

  HWND hwnd() const { return hwnd_; }
  void BringToFront();
  bool PreTranslate(const MSG& msg);  // the window's keyboard: Tab, Esc, Enter, access keys, shortcuts

  void SetCaption(std::string_view control, const std::string& text) override;
  void SetTitle(const std::string& text) override;
  void Close() override;

 private:
  struct Live {
    const Control* control = nullptr;
    HWND hwnd = nullptr;
    bool hot = false;
  };

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateWindowFrame(HWND hiddenOwner);
  void CreateControls();
  void CreateControl(std::size_t index);
  void AddTooltips();
  void Fit(Live& live);  // an auto-sized label takes its text's size
  void Fire(std::string_view name);
  void MoveFocus(int step);
  Live* LiveOf(HWND hwnd);
  Live* LiveByName(std::string_view name);
  void Draw(const DRAWITEMSTRUCT& item);
  void DrawPictureButton(const Live& live, const DRAWITEMSTRUCT& item);
  void PaintDecorations(HDC dc);  // frames and lines
  void BlitPicture(HDC dc, int picture, int x, int y, int width, int height);
  HMENU BuildMenu();

  FormDescription description_;
  std::unique_ptr<FormHandlers> handlers_;
  Resources& resources_;
  std::function<void()> onDestroyed_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  std::vector<Live> live_;  // parallel to description_.controls
  std::vector<std::string> menuItems_;
  UniqueAccel accelerators_;
  std::vector<ATOM> atoms_;
};

}  // namespace velmora::win32
