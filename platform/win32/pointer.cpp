#include "platform/win32/win32_ports.h"

namespace velmora::win32 {
namespace {
bool busy = false;
}

void Win32Pointer::Set(PointerShape shape) noexcept {
  busy = shape == PointerShape::Hourglass;
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool Win32Pointer::Busy() noexcept { return busy; }

}  // namespace velmora::win32
