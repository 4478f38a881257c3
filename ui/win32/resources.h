#pragma once
// Fonts, pictures and icons, made once and shared by every window for the program's run.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/win32/handles.h"
#include "ui/form.h"

namespace velmora::win32 {

class Resources {
 public:
  Resources(HINSTANCE instance, int dpi) : instance_(instance), dpi_(dpi) {}
  HINSTANCE instance() const { return instance_; }
  int dpi() const { return dpi_; }
  int Pixels(int twips) const;

  HFONT FontFor(const Font& font);  // the face, or its stand-in where the machine lacks it
  HBITMAP Bitmap(int resourceId);
  SIZE BitmapSize(int resourceId);
  // The picture smoothly scaled to a size, made once and kept: painting then only copies it.
  HBITMAP ScaledBitmap(int resourceId, int width, int height);
  HICON Icon(IconSize size);
  std::wstring FaceFor(const std::string& face);

 private:
  HINSTANCE instance_;
  int dpi_;
  std::map<std::tuple<std::string, double, bool>, UniqueFont> fonts_;
  std::map<std::string, std::wstring> faces_;
  std::map<int, UniqueBitmap> bitmaps_;
  std::map<std::tuple<int, int, int>, UniqueBitmap> scaled_;
  std::map<IconSize, UniqueIcon> icons_;
};

}  // namespace velmora::win32
