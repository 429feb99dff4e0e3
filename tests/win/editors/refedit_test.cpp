// The reference edit control in a small host window: geometry, the refused Enter, the thin
// caret, the painted button and the round trip through the command editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "editors/win/EdCmd.h"
#include "editors/win/RefEdit.h"
#include "support/input.h"
#include "support/message_box.h"
#include "support/modal_driver.h"
#include "support/process.h"
#include "support/screenshot.h"
#include "support/window_text.h"

namespace lumo {
namespace {

using test::AnsiTextOf;
using test::ClientPixel;
using test::WaitForWindow;
using test::WaitUntil;

// A top-level window holding one TRefEdit whose client area is 289 x 16, handing the
// field its notifications the way the hotkey editor does.
class Host {
 public:
  Host() {
    static const bool registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = L"LumoRefEditHost";
      return RegisterClassW(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    hwnd_ = CreateWindowExW(0, L"LumoRefEditHost", L"RefEdit", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                            200, 150, 340, 80, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    edit = std::make_unique<TRefEdit>(hwnd_, 10, 20, 20, 293, 20);
    edit->OnChange = [this] { ++changes; };
    edit->OnKeyPress = [this](char& key) { keys.push_back(key); };
    SetForegroundWindow(hwnd_);
    WaitUntil([] { return false; }, std::chrono::milliseconds(150));
  }
  ~Host() {
    edit.reset();
    DestroyWindow(hwnd_);
  }
  HWND Handle() const { return hwnd_; }
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

void Pump(int ms) {
  WaitUntil([] { return false; }, std::chrono::milliseconds(ms));
}

TEST(RefEdit, ButtonSitsInsideTheRightEdgeAndTheTextStopsBeforeIt) {
  Host host;
  RECT client;
  GetClientRect(host.Field(), &client);
  ASSERT_EQ(client.right, 289);
  ASSERT_EQ(client.bottom, 16);
  const RECT button = host.edit->Button().Bounds();
  EXPECT_EQ(button.left, 273);
  EXPECT_EQ(button.right - 1, 288);
  EXPECT_EQ(button.top, 0);
  EXPECT_EQ(button.bottom, 16);
  RECT format{};
  SendMessageA(host.Field(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  EXPECT_LE(format.right, 273);
  EXPECT_GE(format.right, 270);
  EXPECT_TRUE(GetWindowLongW(host.Field(), GWL_STYLE) & ES_MULTILINE);
  EXPECT_TRUE(IsWindowVisible(host.Field()));

  // Resizing moves the button along.
  SetWindowPos(host.Field(), nullptr, 0, 0, 193, 24, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(host.edit->Button().Bounds().left, 173);
  EXPECT_EQ(host.edit->Button().Bounds().bottom, 20);
}

TEST(RefEdit, EnterBeepsInsertsNothingAndStillReachesTheKeyPressEvent) {
  Host host;
  test::ClickClient(host.Field(), 40, 8);
  Pump(100);
  ASSERT_EQ(test::FocusOf(host.Field()), host.Field());
  // The thin caret: one pixel wide, four short of the client height.
  const RECT caret = test::CaretOf(host.Field());
  EXPECT_EQ(caret.right - caret.left, 1);
  EXPECT_EQ(caret.bottom - caret.top, 12);

  test::TypeText(L"Speak=1");
  Pump(100);
  test::PressKey(VK_RETURN);
  test::PressKey(VK_RETURN, {VK_CONTROL});  // a line feed: no line break either
  test::TypeText(L"^Display=2");
  Pump(150);
  EXPECT_EQ(host.edit->Text(), "Speak=1^Display=2");
  // One change per typed character; the refused keys are none, yet the key-press event
  // saw them.
  EXPECT_EQ(host.changes, 17);
  EXPECT_EQ(host.keys, "Speak=1\r\n^Display=2");
  EXPECT_EQ(SendMessageA(host.Field(), EM_GETLINECOUNT, 0, 0), 1);
  // A Chinese text stays the code page's bytes.
  host.edit->SetText("Speak=\xBA\xCF\xBC\xC6");
  EXPECT_EQ(AnsiTextOf(host.Field()), "Speak=\xBA\xCF\xBC\xC6");
  Pump(50);
  test::SaveScreenshot(host.Handle(), "refedit-field");
}

// Colours of the button's pixels, read back from the screen.
struct ButtonPixels {
  COLORREF corner, dot, below_right_of_dot, pressed_dot;
};

ButtonPixels ReadButton(const Host& host) {
  const RECT b = host.edit->Button().Bounds();
  const int h = b.bottom - b.top;
  ButtonPixels p{};
  p.corner = ClientPixel(host.Field(), b.left, b.top);
  p.dot = ClientPixel(host.Field(), b.left + 4 + 3, b.top + h - 5);
  p.below_right_of_dot = ClientPixel(host.Field(), b.left + 4 + 3 + 1, b.top + h - 4);
  p.pressed_dot = ClientPixel(host.Field(), b.left + 5 + 6, b.top + h - 4);
  return p;
}

TEST(RefEdit, ButtonPaintsRaisedPressedAndDisabledDots) {
  Host host;
  Pump(100);
  const ButtonPixels up = ReadButton(host);
  EXPECT_EQ(up.corner, GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(up.dot, GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(up.below_right_of_dot, GetSysColor(COLOR_BTNFACE));

  // Held down: the flat pressed face, dots one pixel further right and down.
  const RECT b = host.edit->Button().Bounds();
  test::PressMouse(host.Field(), b.left + 8, 8);
  Pump(100);
  EXPECT_TRUE(host.edit->Button().Down());
  const ButtonPixels down = ReadButton(host);
  test::SaveScreenshot(host.Handle(), "refedit-button-pressed");
  // Sliding off the button before letting go is no click.
  test::PressMouse(host.Field(), 20, 8);  // moves while held
  Pump(100);
  EXPECT_FALSE(host.edit->Button().Down());
  test::ReleaseMouse();
  Pump(100);
  EXPECT_EQ(down.corner, GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(down.pressed_dot, GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(FindWindowW(TEdCmdForm::kClassName, nullptr), nullptr);

  EnableWindow(host.Field(), FALSE);
  Pump(100);
  const ButtonPixels disabled = ReadButton(host);
  EXPECT_EQ(disabled.dot, GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(disabled.below_right_of_dot, GetSysColor(COLOR_BTNHIGHLIGHT));
  test::SaveScreenshot(host.Handle(), "refedit-disabled");
  EnableWindow(host.Field(), TRUE);
  Pump(100);
  EXPECT_EQ(ReadButton(host).dot, GetSysColor(COLOR_BTNTEXT));
}

// Clicks the browse button and lets driver work the command editor; returns the memo text
// the editor opened with.
std::string BrowseWith(Host& host, const std::function<void(HWND form)>& driver) {
  std::string opened = "<no editor>";
  std::atomic<bool> done = false;
  const RECT b = host.edit->Button().Bounds();
  test::DriveModal(
      [&] {
        test::ClickClient(host.Field(), b.left + 8, 8);
        WaitUntil([&] { return done.load(); }, std::chrono::seconds(15));
        Pump(50);
      },
      [&] {
        if (HWND form = WaitForWindow(TEdCmdForm::kClassName)) {
          opened = AnsiTextOf(GetDlgItem(form, TEdCmdForm::kMemo1));
          driver(form);
          test::WaitForGone(form);
        }
        done = true;
      });
  return opened;
}

TEST(RefEdit, BrowseSplitsAtCaretsAndJoinsConfirmedLinesBack) {
  struct Case {
    const char* text;
    const char* opened;  // the editor's lines
    bool refused;        // a line the editor refuses: OK keeps it open, Cancel leaves
    const char* after;
  };
  const Case cases[] = {
      {"Speak=1^Display=~2", "Speak=1\r\nDisplay=~2\r\n", false, "Speak=1^Display=~2"},
      {"A^^B", "A\r\n\r\nB\r\n", true, "A^^B"},
      // Spaces only open an empty editor, and confirming empties the text.
      {"   ", "", false, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Host host;
    host.edit->SetText(c.text);
    host.changes = 0;
    const std::string opened = BrowseWith(host, [&](HWND form) {
      if (&c == cases) {
        test::SaveScreenshot(form, "refedit-browse-editor");
      }
      test::Click(GetDlgItem(form, TEdCmdForm::kBitBtn1));
      if (c.refused) {
        Sleep(300);
        EXPECT_TRUE(IsWindowVisible(form));
        test::Click(GetDlgItem(form, TEdCmdForm::kBitBtn2));
      }
    });
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(host.edit->Text(), c.after);
    EXPECT_EQ(host.changes, c.refused ? 0 : 1);
    if (!c.refused) {
      // The confirmed text comes back selected as a whole.
      DWORD start = 99, end = 0;
      SendMessageA(host.Field(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(start, 0u);
      EXPECT_EQ(end, std::string(c.after).size());
    }
  }
}

}  // namespace
}  // namespace lumo
