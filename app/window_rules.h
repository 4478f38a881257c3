#pragma once
#include <set>
#include <string>

#include "platform/ports.h"

namespace velmora {

enum class FormId { Splash, Main, StartMenu, DesktopShortcuts, Favorites, HomePage, DesktopBackground, About };

// Opens a window by the program's rule; what handlers use to open other windows.
class Opener {
 public:
  virtual ~Opener() = default;
  virtual void Open(FormId id) = 0;
};

// The realiser's side: makes, raises and ends real windows.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void CreateAndShow(FormId id) = 0;  // throws on failure, leaving no window behind
  virtual void BringToFront(FormId id) = 0;
  virtual void Quit() = 0;
};

// Every window exists at most once; opening an open one brings it to the front; the program
// ends when its last window closes. A window that cannot be opened is reported, not fatal.
class WindowRules : public Opener {
 public:
  WindowRules(WindowHost& host, Messages& messages) : host_(host), messages_(messages) {}
  void Open(FormId id) override;
  void Closed(FormId id);
  bool IsOpen(FormId id) const { return open_.count(id) != 0; }
  std::size_t OpenCount() const { return open_.size(); }

 private:
  WindowHost& host_;
  Messages& messages_;
  std::set<FormId> open_;
};

std::string FormTitle(FormId id);  // how the user knows the window, for messages

}  // namespace velmora
