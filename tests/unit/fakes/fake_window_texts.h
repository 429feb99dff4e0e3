#pragma once
// A register window made of plain data: dialog controls by ID, descendants in order and
// window texts, read the way the Win32 adapter reads them.
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "announcer/window_texts.h"

namespace lumo::test {

class FakeWindowTexts : public WindowTexts {
 public:
  void AddControl(WindowHandle window, std::int32_t id, WindowHandle control, std::string text) {
    controls_[{window, id}] = control;
    texts_[control] = std::move(text);
  }
  void AddDescendant(WindowHandle parent, WindowHandle child, std::string text) {
    descendants_[parent].push_back(child);
    texts_[child] = std::move(text);
  }

  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override {
    ++dialog_item_calls;
    auto found = controls_.find({window, id});
    return found == controls_.end() ? 0 : found->second;
  }

  std::string Text(WindowHandle window, std::size_t buffer_size) override {
    buffer_sizes.push_back(buffer_size);
    auto found = texts_.find(window);
    if (found == texts_.end() || buffer_size == 0) {
      return {};
    }
    const std::string& text = found->second;
    return text.substr(0, std::min(text.find('\0'), buffer_size - 1));
  }

  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override {
    const std::vector<WindowHandle>& list = descendants_[parent];
    if (list.empty()) {
      return 0;
    }
    if (n >= 1 && static_cast<std::size_t>(n) <= list.size()) {
      return list[static_cast<std::size_t>(n) - 1];
    }
    return list.back();
  }

  int dialog_item_calls = 0;
  std::vector<std::size_t> buffer_sizes;

 private:
  std::map<std::pair<WindowHandle, std::int32_t>, WindowHandle> controls_;
  std::map<WindowHandle, std::vector<WindowHandle>> descendants_;
  std::map<WindowHandle, std::string> texts_;
};

}  // namespace lumo::test
