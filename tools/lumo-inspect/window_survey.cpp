#include "window_survey.h"

#include <windows.h>

#include <map>

#include "announcer/command_expansion.h"
#include "service/service_control.h"

namespace lumo::inspect {

namespace {

HWND AsHwnd(WindowHandle handle) {
  return reinterpret_cast<HWND>(handle);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// A rectangle on the screen in the coordinates of origin's whole window.
CaptureRectangle Relative(const RECT& r, const RECT& origin) {
  return {r.left - origin.left, r.top - origin.top, r.right - origin.left, r.bottom - origin.top};
}

}  // namespace

std::vector<TitledWindow> VisibleTopWindows(WinWindowTexts& texts) {
  std::vector<HWND> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  const HWND console = GetConsoleWindow();
  std::vector<TitledWindow> windows;
  for (HWND window : all) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (!IsWindowVisible(window) || window == console || process == GetCurrentProcessId()) {
      continue;
    }
    const auto handle = reinterpret_cast<WindowHandle>(window);
    std::string title = texts.Text(handle, kTitleBufferSize);
    windows.push_back({handle, std::move(title), texts.LastAnswered()});
  }
  return windows;
}

WindowRow DescribeWindow(const TitledWindow& window) {
  HWND hwnd = AsHwnd(window.Handle);
  RECT frame{};
  GetWindowRect(hwnd, &frame);
  POINT client{0, 0};
  ClientToScreen(hwnd, &client);
  WindowRow row;
  row.Handle = window.Handle;
  row.Title = window.Title;
  row.Class = ClassOf(hwnd);
  row.Screen = {frame.left, frame.top, frame.right, frame.bottom};
  row.ClientLeft = client.x - frame.left;
  row.ClientTop = client.y - frame.top;
  return row;
}

std::vector<ControlRow> ListDescendants(WindowHandle window, WinWindowTexts& texts) {
  // Lumo's own enumeration, n by n, so that the numbers are the ones "%n" reads: past the
  // last descendant it gives the last one again.
  std::vector<WindowHandle> order;
  for (std::int32_t n = 1;; ++n) {
    const WindowHandle found = texts.NthDescendant(window, n);
    if (found == 0 || (!order.empty() && found == order.back())) {
      break;
    }
    order.push_back(found);
  }
  std::map<HWND, int> numbers;
  for (std::size_t i = 0; i < order.size(); ++i) {
    numbers[AsHwnd(order[i])] = static_cast<int>(i) + 1;
  }
  RECT origin{};
  GetWindowRect(AsHwnd(window), &origin);
  std::vector<ControlRow> rows;
  bool answering = true;
  for (std::size_t i = 0; i < order.size(); ++i) {
    HWND control = AsHwnd(order[i]);
    ControlRow row;
    row.Number = static_cast<int>(i) + 1;
    const auto parent = numbers.find(GetParent(control));
    row.Parent = parent == numbers.end() ? 0 : parent->second;
    row.Id = GetDlgCtrlID(control);
    row.Class = ClassOf(control);
    row.Visible = IsWindowVisible(control) != FALSE;
    RECT rect{};
    GetWindowRect(control, &rect);
    row.Rect = Relative(rect, origin);
    RECT inside{};
    GetClientRect(control, &inside);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&inside), 2);
    row.Inside = Relative(inside, origin);
    if (!answering) {
      row.Read = TextRead::Skipped;
    } else {
      row.Text = ReadControlText(texts, order[i]);
      answering = texts.LastAnswered();
      row.Read = answering ? TextRead::Answered : TextRead::NoAnswer;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace lumo::inspect
