#include "platform/win_window_texts.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace lumo {

namespace {

HWND AsHwnd(WindowHandle handle) {
  return reinterpret_cast<HWND>(handle);
}

WindowHandle AsHandle(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

struct DescendantSearch {
  std::int32_t wanted;
  std::int32_t counter;
  HWND last;
};

BOOL CALLBACK VisitDescendant(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DescendantSearch*>(param);
  search->last = window;
  ++search->counter;
  return search->counter == search->wanted ? FALSE : TRUE;
}

}  // namespace

WindowHandle WinWindowTexts::DialogItem(WindowHandle window, std::int32_t id) {
  if (window == 0) {
    return 0;
  }
  return AsHandle(GetDlgItem(AsHwnd(window), id));
}

std::string WinWindowTexts::Text(WindowHandle window, std::size_t buffer_size) {
  return AnsweredText(window, buffer_size).value_or(std::string());
}

std::optional<std::string> WinWindowTexts::AnsweredText(WindowHandle window,
                                                        std::size_t buffer_size) {
  last_answered_ = true;
  if (window == 0 || buffer_size == 0) {
    return std::string();
  }
  std::vector<char> buffer(buffer_size, '\0');
  DWORD_PTR copied = 0;
  // SMTO_ABORTIFHUNG gives up at once on a window the system already knows to be hung;
  // the timeout covers one that has only just stopped answering.
  LRESULT answered = SendMessageTimeoutA(AsHwnd(window), WM_GETTEXT, buffer_size,
                                         reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                                         kTextTimeoutMilliseconds, &copied);
  if (answered == 0) {
    // A window that is gone gives an empty text at once; only one that did not answer in
    // time counts as hung.
    if (!IsWindow(AsHwnd(window))) {
      return std::string();
    }
    last_answered_ = false;
    return std::nullopt;
  }
  buffer[buffer_size - 1] = '\0';
  return std::string(buffer.data(), std::strlen(buffer.data()));
}

WindowHandle WinWindowTexts::NthDescendant(WindowHandle parent, std::int32_t n) {
  // EnumChildWindows with no parent would walk the top-level windows instead.
  if (parent == 0) {
    return 0;
  }
  DescendantSearch search{n, 0, nullptr};
  EnumChildWindows(AsHwnd(parent), VisitDescendant, reinterpret_cast<LPARAM>(&search));
  return AsHandle(search.last);
}

}  // namespace lumo
