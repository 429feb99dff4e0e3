// The reference edit control in a small host window: its button, the refused Enter and the
// thin caret.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "editors/win/EdCmd.h"
#include "editors/win/RefEdit.h"
#include "support/input.h"
#include "support/process.h"
#include "support/screenshot.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

// A top-level window holding one TRefEdit whose client area is 289 x 16, handing the field
// its notifications the way the hotkey editor does.
class Host {
 public:
  Host() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"LumoRefEditHost";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"RefEdit", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                            200, 150, 340, 80, nullptr, nullptr, wc.hInstance, this);
    edit = std::make_unique<TRefEdit>(hwnd_, 10, 20, 20, 293, 20);
    edit->OnChange = [this] { ++changes; };
    edit->OnKeyPress = [this](char& key) { keys.push_back(key); };
    SetForegroundWindow(hwnd_);
    Pump(150ms);
  }
  ~Host() {
    edit.reset();
    DestroyWindow(hwnd_);
  }
  HWND Field() const { return edit->Handle(); }

  std::unique_ptr<TRefEdit> edit;
  int changes = 0;
  std::string keys;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(
          hwnd, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_COMMAND && self && self->edit && self->edit->HandleCommand(wparam, lparam)) {
      return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  HWND hwnd_ = nullptr;
};

TEST(RefEdit, ButtonInsideTheRightEdgeRefusedEnterThinCaretAndPaintedStates) {
  Host host;
  RECT client;
  GetClientRect(host.Field(), &client);
  ASSERT_EQ(client.right, 289);
  ASSERT_EQ(client.bottom, 16);
  const RECT b = host.edit->Button().Bounds();
  EXPECT_EQ(b.left, 273);
  EXPECT_EQ(b.bottom, 16);
  RECT format{};  // the text stops before the button
  SendMessageA(host.Field(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  EXPECT_LE(format.right, 273);
  EXPECT_GE(format.right, 270);

  ClickClient(host.Field(), 40, 8);
  Pump(100ms);
  ASSERT_EQ(FocusOf(host.Field()), host.Field());
  const RECT caret = CaretOf(host.Field());  // one pixel wide, four short of the height
  EXPECT_EQ(caret.right - caret.left, 1);
  EXPECT_EQ(caret.bottom - caret.top, 12);
  TypeText(L"Speak=1");
  Pump(100ms);
  PressKey(VK_RETURN);
  PressKey(VK_RETURN, {VK_CONTROL});  // a line feed: no line break either
  TypeText(L"^Display=2");
  Pump(150ms);
  EXPECT_EQ(host.edit->Text(), "Speak=1^Display=2");
  // One change per typed character; the refused keys are none, yet the key-press event saw
  // them.
  EXPECT_EQ(host.changes, 17);
  EXPECT_EQ(host.keys, "Speak=1\r\n^Display=2");
  EXPECT_EQ(SendMessageA(host.Field(), EM_GETLINECOUNT, 0, 0), 1);
  host.edit->SetText("Speak=\xBA\xCF\xBC\xC6");  // a Chinese text stays the code page's bytes
  EXPECT_EQ(AnsiTextOf(host.Field()), "Speak=\xBA\xCF\xBC\xC6");

  // The raised button with its dots; held down, the flat pressed face with the dots one
  // pixel further right and down; disabled, the dots etched.
  const int dot_x = b.left + 7;
  const int dot_y = b.bottom - 5;
  Pump(100ms);
  EXPECT_EQ(ClientPixel(host.Field(), b.left, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(ClientPixel(host.Field(), dot_x, dot_y), GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(ClientPixel(host.Field(), dot_x + 1, dot_y + 1), GetSysColor(COLOR_BTNFACE));
  PressMouse(host.Field(), b.left + 8, 8);
  Pump(100ms);
  EXPECT_TRUE(host.edit->Button().Down());
  EXPECT_EQ(ClientPixel(host.Field(), b.left, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ClientPixel(host.Field(), b.left + 11, dot_y + 1), GetSysColor(COLOR_BTNTEXT));
  // Sliding off the button before letting go is no click.
  PressMouse(host.Field(), 20, 8);
  Pump(100ms);
  EXPECT_FALSE(host.edit->Button().Down());
  ReleaseMouse();
  Pump(100ms);
  EXPECT_EQ(FindWindowW(TEdCmdForm::kClassName, nullptr), nullptr);
  EnableWindow(host.Field(), FALSE);
  Pump(100ms);
  EXPECT_EQ(ClientPixel(host.Field(), dot_x, dot_y), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ClientPixel(host.Field(), dot_x + 1, dot_y + 1), GetSysColor(COLOR_BTNHIGHLIGHT));

  // Resizing moves the button along.
  SetWindowPos(host.Field(), nullptr, 0, 0, 193, 24, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(host.edit->Button().Bounds().left, 173);
  EXPECT_EQ(host.edit->Button().Bounds().bottom, 20);
}

}  // namespace
}  // namespace lumo::test
