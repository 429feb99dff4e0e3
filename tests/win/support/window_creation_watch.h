#pragma once
// Watches the calling thread for new windows while it lives, and refuses them: a call that
// should show no box (a MessageBox would otherwise block the suite) can be checked for one.
#include <windows.h>

#include <string>
#include <vector>

namespace lumo::test {

class WindowCreationWatch {
 public:
  WindowCreationWatch();
  WindowCreationWatch(const WindowCreationWatch&) = delete;
  WindowCreationWatch& operator=(const WindowCreationWatch&) = delete;
  ~WindowCreationWatch();

  bool Active() const { return hook_ != nullptr; }
  // Class names of the windows that were about to be created, in order.
  const std::vector<std::string>& Refused() const { return refused_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wparam, LPARAM lparam);

  HHOOK hook_ = nullptr;
  std::vector<std::string> refused_;
};

}  // namespace lumo::test
