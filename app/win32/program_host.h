#pragma once
// The program's windows: made by the window rules' command, found again for the keyboard.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "app/window_rules.h"
#include "platform/ports.h"
#include "ui/win32/form_window.h"
#include "ui/win32/resources.h"

namespace velmora::win32 {

class ProgramHost : public WindowHost {
 public:
  ProgramHost(const Ports& ports, Resources& resources);
  ~ProgramHost() override;

  WindowRules& rules() { return rules_; }
  void CreateAndShow(FormId id) override;
  void BringToFront(FormId id) override;
  void Quit() override { PostQuitMessage(0); }

  int Run();  // the message loop, until the last window closes
  void Pump();  // handles what is waiting, and returns (for tests that drive the windows)
  HWND WindowOf(FormId id) const;  // the open window, or null

 private:
  bool PreTranslate(const MSG& msg);
  void Dispatch(const MSG& msg);

  Ports ports_;
  Resources& resources_;
  WindowRules rules_;
  HWND hiddenOwner_ = nullptr;
  std::map<FormId, std::unique_ptr<FormWindow>> windows_;
  std::vector<std::unique_ptr<FormWindow>> closed_;  // let go between messages, never inside their own
};

}  // namespace velmora::win32
