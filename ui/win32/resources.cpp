#include "ui/win32/resources.h"

#include <vector>

#include "assets/asset_ids.h"
#include "platform/text.h"
#include "platform/win32/win32_ports.h"
#include "ui/geometry.h"

namespace velmora::win32 {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

std::wstring UserInterfaceFace() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return metrics.lfMessageFont.lfFaceName;
  return L"Tahoma";
}

}  // namespace

int Resources::Pixels(int twips) const { return TwipsToPixels(twips, dpi_); }

std::wstring Resources::FaceFor(const std::string& face) {
  if (const auto it = faces_.find(face); it != faces_.end()) return it->second;
  std::vector<std::wstring> candidates = {Widen(face)};
  if (face == "Comic Sans MS") candidates.push_back(L"Comic Neue");
  if (face == "MS Sans Serif") candidates.push_back(L"Microsoft Sans Serif");
  if (face == "Arial") candidates.push_back(L"Liberation Sans");
  std::wstring chosen = UserInterfaceFace();
  for (const std::wstring& candidate : candidates) {
    if (FaceInstalled(candidate)) {
      chosen = candidate;
      break;
    }
  }
  return faces_[face] = chosen;
}

HFONT Resources::FontFor(const Font& font) {
  auto& slot = fonts_[{font.face, font.points, font.bold}];
  if (!slot.get()) {
    LOGFONTW lf{};
    lf.lfHeight = -FontPixelHeight(font.points, dpi_);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring face = FaceFor(font.face);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    slot.reset(CreateFontIndirectW(&lf));
    if (!slot.get()) throw LastError();
  }
  return slot.get();
}

HBITMAP Resources::Bitmap(int resourceId) {
  auto& slot = bitmaps_[resourceId];
  if (!slot.get()) {
    slot.reset(static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!slot.get()) throw LastError();
  }
  return slot.get();
}

SIZE Resources::BitmapSize(int resourceId) {
  BITMAP bm{};
  GetObjectW(Bitmap(resourceId), sizeof bm, &bm);
  return {bm.bmWidth, bm.bmHeight};
}

HBITMAP Resources::ScaledBitmap(int resourceId, int width, int height) {
  const SIZE natural = BitmapSize(resourceId);
  if (natural.cx == width && natural.cy == height) return Bitmap(resourceId);
  auto& slot = scaled_[{resourceId, width, height}];
  if (!slot.get()) {
    HDC screen = GetDC(nullptr);
    slot.reset(CreateCompatibleBitmap(screen, width, height));
    HDC source = CreateCompatibleDC(screen), target = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (slot.get() && source && target) {
      SelectedObject from(source, Bitmap(resourceId)), to(target, slot.get());
      SetStretchBltMode(target, HALFTONE);
      SetBrushOrgEx(target, 0, 0, nullptr);
      StretchBlt(target, 0, 0, width, height, source, 0, 0, natural.cx, natural.cy, SRCCOPY);
    }
    if (source) DeleteDC(source);
    if (target) DeleteDC(target);
    if (!slot.get()) throw LastError();
  }
  return slot.get();
}

HICON Resources::Icon(IconSize size) {
  auto& slot = icons_[size];
  if (!slot.get()) {
    const int id = size == IconSize::Large ? assets::kLargeIcon : assets::kSmallIcon;
    slot.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0)));
    if (!slot.get()) throw LastError();
  }
  return slot.get();
}

}  // namespace velmora::win32
