#include "support/register_sim.h"

#include <stdexcept>

namespace lumo::test {

RegisterSim StartRegisterSim(const std::string& arguments) {
  RegisterSim sim{Process(BinDir() + "register-sim.exe", arguments)};
  sim.window = WaitForProcessWindow(sim.process.Id(), register_sim::kWindowClass);
  if (sim.window == nullptr) {
    throw std::runtime_error("register-sim.exe showed no window");
  }
  return sim;
}

bool SetRegisterSimText(HWND window, int id, const std::string& text) {
  COPYDATASTRUCT data{static_cast<ULONG_PTR>(id), static_cast<DWORD>(text.size()),
                      const_cast<char*>(text.data())};
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, 5000, &result) != 0 &&
         result == TRUE;
}

}  // namespace lumo::test
