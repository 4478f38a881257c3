#pragma once
// Owners for the system's handles and COM pointers: each is released exactly once.
#include <windows.h>
#include <ole2.h>

#include <utility>

namespace velmora::win32 {

class UniqueHandle {
 public:
  explicit UniqueHandle(HANDLE h = INVALID_HANDLE_VALUE) noexcept : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, INVALID_HANDLE_VALUE)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, INVALID_HANDLE_VALUE));
    return *this;
  }
  HANDLE get() const noexcept { return h_; }
  bool valid() const noexcept { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE release() noexcept { return std::exchange(h_, INVALID_HANDLE_VALUE); }
  void reset(HANDLE h = INVALID_HANDLE_VALUE) noexcept {
    if (valid()) CloseHandle(h_);
    h_ = h;
  }

 private:
  HANDLE h_;
};

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  T* operator->() const noexcept { return p_; }
  T* get() const noexcept { return p_; }
  T** put() noexcept {
    reset();
    return &p_;
  }
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
  void reset() noexcept {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  T* p_ = nullptr;
};

class UniqueVariant {
 public:
  explicit UniqueVariant(decltype(&::VariantClear) clear) noexcept : clear_(clear) { v_.vt = VT_EMPTY; }
  ~UniqueVariant() { clear_(&v_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  VARIANT* get() noexcept { return &v_; }

 private:
  decltype(&::VariantClear) clear_;
  VARIANT v_;
};

template <typename T, auto Deleter>
class UniqueGdi {
 public:
  explicit UniqueGdi(T h = nullptr) noexcept : h_(h) {}
  ~UniqueGdi() { reset(); }
  UniqueGdi(UniqueGdi&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  T get() const noexcept { return h_; }
  void reset(T h = nullptr) noexcept {
    if (h_) Deleter(h_);
    h_ = h;
  }

 private:
  T h_;
};

inline void DeleteGdiObject(HGDIOBJ h) noexcept { DeleteObject(h); }
inline void DestroyIconHandle(HICON h) noexcept { DestroyIcon(h); }
inline void DestroyAccelHandle(HACCEL h) noexcept { DestroyAcceleratorTable(h); }

using UniqueFont = UniqueGdi<HFONT, DeleteGdiObject>;
using UniqueBitmap = UniqueGdi<HBITMAP, DeleteGdiObject>;
using UniquePen = UniqueGdi<HPEN, DeleteGdiObject>;
using UniqueIcon = UniqueGdi<HICON, DestroyIconHandle>;
using UniqueAccel = UniqueGdi<HACCEL, DestroyAccelHandle>;

// Selects an object into a DC for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~SelectedObject() { SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace velmora::win32
