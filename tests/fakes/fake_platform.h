#pragma once
// A platform that records every call in one log, in order, and fails the calls it is told to.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ports.h"
#include "platform/text.h"

namespace velmora::testing {

class FakePlatform {
 public:
  FakePlatform();

  // Calls are logged as "name" or "name arg..."; Fail(name) makes the call named so fail.
  void Fail(const std::string& call, unsigned long code = 5, std::wstring reason = L"Access is denied.");
  std::vector<std::string> log;
  std::set<std::string> failing;
  std::map<std::string, long> statusOf;  // registry call -> status to return

  // Files by full path; the folders that exist.
  std::map<std::wstring, std::string> files;
  std::set<std::wstring> folders;
  std::map<std::string, std::wstring> scriptFolders;  // what the script host knows
  std::map<std::string, std::wstring> knownFolders;
  PointerShape pointer = PointerShape::Default;
  int liveShellObjects = 0;
  int openTempFiles = 0;
  struct Shown {
    std::wstring text, title;
    MessageKind kind;
  };
  std::vector<Shown> messages;
  struct RegValue {
    unsigned long type;
    std::vector<unsigned char> data;
  };
  std::map<std::string, RegValue> registry;  // "path\\name" -> value
  std::set<std::string> keys;
  std::vector<std::string> started;
  bool wallpaperResult = true;

  Ports ports();
  bool Fails(const std::string& call) const { return failing.count(call) != 0; }
  void ThrowIfFailing(const std::string& call) const;
  std::vector<std::wstring> TempFilesLeft() const;

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;
  unsigned long failCode_ = 5;
  std::wstring failReason_ = L"Access is denied.";
};

}  // namespace velmora::testing
