#include "support/register_sim.h"

#include <stdexcept>

#include "support/paths.h"

namespace lumo::test {

RegisterSim StartRegisterSim(const std::string& arguments) {
  RegisterSim sim;
  sim.process = Process(BinDir() + "register-sim.exe", arguments);
  const DWORD id = sim.process.Id();
  WaitUntil([&] {
    sim.window = FindProcessWindow(id, register_sim::kWindowClass);
    return sim.window && IsWindowVisible(sim.window);
  });
  if (!sim.window || !IsWindowVisible(sim.window)) {
    throw std::runtime_error("register-sim.exe showed no window");
  }
  return sim;
}

bool SetRegisterSimText(HWND window, int id, const std::string& text) {
  COPYDATASTRUCT data{};
  data.dwData = static_cast<ULONG_PTR>(id);
  data.cbData = static_cast<DWORD>(text.size());
  data.lpData = const_cast<char*>(text.data());
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, 5000, &result) != 0 &&
         result == TRUE;
}

}  // namespace lumo::test
