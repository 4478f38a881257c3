#pragma once
// A refusal by the operating system, with the reason as the system words it.
#include <exception>
#include <string>

namespace velmora {

class OsError : public std::exception {
 public:
  OsError(unsigned long code, std::wstring reason) : code_(code), reason_(std::move(reason)) {}
  unsigned long code() const noexcept { return code_; }
  const std::wstring& reason() const noexcept { return reason_; }
  const char* what() const noexcept override { return "operating system error"; }

 private:
  unsigned long code_;
  std::wstring reason_;
};

}  // namespace velmora
