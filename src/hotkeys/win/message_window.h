#pragma once
// The base of a non-visual object that needs messages: a private message-only window.
#include <windows.h>

#include <exception>
#include <functional>

namespace lumo {

struct WindowMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

class MessageWindow {
 public:
  MessageWindow() = default;
  virtual ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  bool HasHandle() const { return handle_ != nullptr; }
  // Creates the hidden window when it does not exist yet.
  void EnsureHandle();
  HWND Handle();

  // Told about an exception that a message handler let out; the exception goes no further,
  // since it must not cross the window procedure. Without it, the exception is dropped.
  std::function<void(const std::exception&)> OnError;

 protected:
  // Handles one message of the hidden window; the base passes every message on to
  // PassToDefault.
  virtual void HandleMessage(WindowMessage& message);
  void PassToDefault(WindowMessage& message);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
};

}  // namespace lumo
