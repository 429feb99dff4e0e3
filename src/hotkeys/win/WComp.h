#pragma once
// A non-visual component with a private hidden window that receives its messages.
#include <windows.h>

#include <exception>
#include <functional>

namespace lumo {

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

class TWindowedComponent {
 public:
  TWindowedComponent() = default;
  virtual ~TWindowedComponent();
  TWindowedComponent(const TWindowedComponent&) = delete;
  TWindowedComponent& operator=(const TWindowedComponent&) = delete;

  bool HandleAllocated() const { return FHandle != nullptr; }
  // Creates the hidden window when it does not exist yet.
  void HandleNeeded();
  HWND Handle();

  // Told about an exception that a message handler let out; the exception goes no further,
  // since it must not cross the window procedure. Without it, the exception is dropped.
  std::function<void(const std::exception&)> OnError;

 protected:
  // Handles one message of the hidden window; the base passes every message on to
  // DefaultHandler.
  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

  HWND FHandle = nullptr;
};

}  // namespace lumo
