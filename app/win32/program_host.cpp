#include "app/win32/program_host.h"

#include "app/forms.h"
#include "platform/win32/win32_ports.h"

namespace velmora::win32 {

ProgramHost::ProgramHost(const Ports& ports, Resources& resources)
    : ports_(ports), resources_(resources), rules_(*this, ports.messages) {
  // Owner of the windows that have no task bar button; never shown.
  hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, resources.instance(), nullptr);
}

ProgramHost::~ProgramHost() {
  windows_.clear();
  closed_.clear();
  if (hiddenOwner_) DestroyWindow(hiddenOwner_);
}

void ProgramHost::CreateAndShow(FormId id) {
  FormParts parts = MakeForm(id, ports_, rules_);
  windows_[id] = nullptr;
  try {
    windows_[id] = std::make_unique<FormWindow>(std::move(parts.description), std::move(parts.handlers), resources_,
                                                hiddenOwner_, [this, id] {
                                                  if (auto it = windows_.find(id); it != windows_.end()) {
                                                    closed_.push_back(std::move(it->second));
                                                    windows_.erase(it);
                                                  }
                                                  rules_.Closed(id);
                                                });
  } catch (...) {
    windows_.erase(id);
    throw;
  }
}

void ProgramHost::BringToFront(FormId id) {
  if (auto it = windows_.find(id); it != windows_.end() && it->second) it->second->BringToFront();
}

bool ProgramHost::PreTranslate(const MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  for (auto& [id, window] : windows_) {
    if (window && window->hwnd() == root) return window->PreTranslate(msg);
  }
  return false;
}

void ProgramHost::Dispatch(const MSG& msg) {
  if (!PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  closed_.clear();
}

int ProgramHost::Run() {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void ProgramHost::Pump() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_QUIT) Dispatch(msg);
  }
}

HWND ProgramHost::WindowOf(FormId id) const {
  const auto it = windows_.find(id);
  return it != windows_.end() && it->second ? it->second->hwnd() : nullptr;
}

}  // namespace velmora::win32
