#include "support/window_creation_watch.h"

#include <cstdint>

namespace lumo::test {

namespace {

thread_local WindowCreationWatch* g_watch = nullptr;
thread_local std::vector<std::string>* g_refused = nullptr;

std::string ClassNameOf(const CREATESTRUCTA& create) {
  // An atom arrives as a small integer in place of the name.
  if (IS_INTRESOURCE(create.lpszClass)) {
    std::string atom = "#";
    atom += std::to_string(reinterpret_cast<std::uintptr_t>(create.lpszClass));
    return atom;
  }
  return create.lpszClass;
}

}  // namespace

WindowCreationWatch::WindowCreationWatch() {
  hook_ = SetWindowsHookExA(WH_CBT, &WindowCreationWatch::Hook, nullptr, GetCurrentThreadId());
  g_watch = this;
  g_refused = &refused_;
}

WindowCreationWatch::~WindowCreationWatch() {
  if (hook_ != nullptr) {
    UnhookWindowsHookEx(hook_);
  }
  g_watch = nullptr;
  g_refused = nullptr;
}

LRESULT CALLBACK WindowCreationWatch::Hook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND && g_refused != nullptr) {
    const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lparam);
    g_refused->push_back(ClassNameOf(*create->lpcs));
    return 1;  // refused: a box would block the suite
  }
  return CallNextHookEx(g_watch != nullptr ? g_watch->hook_ : nullptr, code, wparam, lparam);
}

}  // namespace lumo::test
