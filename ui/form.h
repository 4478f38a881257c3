#pragma once
// A window described as data, in twips, the way its layout table reads; ui/win32 realises it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Font {
  std::string face;
  double points = 8.25;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};
inline Font ComicSans(bool bold = false) { return {"Comic Sans MS", 8.25, bold}; }
inline Font MsSansSerif() { return {"MS Sans Serif", 8.25, false}; }

struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

enum class ControlKind { Frame, Label, Button, PictureButton, Image, PictureBox, Line };
enum class Align { Left, Right, Center };

struct Control {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string container;  // empty: the window itself
  TwipsRect rect;         // inside the container; a line's rect holds x1, y1, x2, y2
  std::string caption;    // "&" marks the access key
  std::optional<Font> font;  // none: the container's font
  Align align = Align::Left;
  bool autoSize = false;
  bool wordWrap = false;
  std::string tooltip;
  int picture = 0;  // resource id: a button's picture, an image's or picture box's content
  bool cancel = false;
  bool isDefault = false;
  unsigned color = 0;  // a line's colour, 0xRRGGBB
  int lineWidth = 1;   // a line's width in pixels
};

enum class Border { None, FixedDialog, FixedSingle, Sizable };
enum class StartPosition { CenterScreen, CenterOwner };
enum class IconSize { Small, Large };

struct Shortcut {
  bool ctrl = true;
  std::string key;  // "B", "F4"
  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

struct MenuItem {
  std::string name, caption;
  Shortcut shortcut;
};
struct Menu {
  std::string name, caption;
  std::vector<MenuItem> items;
};

struct FormDescription {
  std::string name;
  std::string caption;
  int clientWidth = 0, clientHeight = 0;  // twips, below the menu bar
  Border border = Border::FixedSingle;
  bool titleBar = true, controlBox = true, minButton = false, maxButton = false;
  StartPosition startPosition = StartPosition::CenterScreen;
  bool showInTaskbar = true;
  bool keyPreview = false;
  IconSize icon = IconSize::Large;
  Font font = ComicSans();
  std::vector<Control> controls;
  std::vector<std::string> tabOrder;  // the controls that take the focus, in Tab order
  std::string focus;                  // the control that has the focus at opening
  std::vector<Menu> menus;

  const Control* Find(std::string_view controlName) const;
  // A control's rectangle in the window's client area: its container offsets added.
  TwipsRect WindowRect(const Control& control) const;
  // The font the control shows: its own, else its container's, else the window's.
  Font EffectiveFont(const Control& control) const;
  const Control* CancelButton() const;
  const Control* DefaultButton() const;
};

// What a window's handlers may do to their own live window.
class FormSurface {
 public:
  virtual ~FormSurface() = default;
  virtual void SetCaption(std::string_view control, const std::string& text) = 0;
  virtual void SetTitle(const std::string& text) = 0;
  virtual void Close() = 0;
};

// A window's event handlers. Any may throw; the realiser reports it and the window stays usable.
class FormHandlers {
 public:
  virtual ~FormHandlers() = default;
  virtual void Load(FormSurface&) {}
  virtual void Click(std::string_view /*control*/, FormSurface&) {}
  // A character key the window previews; return true when handled.
  virtual bool KeyPress(char /*ch*/, FormSurface&) { return false; }
};

// The access key of a caption ("Start &Menu..." -> 'M'), or 0.
char AccessKey(std::string_view caption);
// The caption without its "&" marks ("&&" stays one "&").
std::string DisplayText(std::string_view caption);

}  // namespace velmora
