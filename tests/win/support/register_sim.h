#pragma once
// register-sim.exe in its own process, as scenarios start it.
#include <windows.h>

#include <string>

#include "register-sim/register_sim_protocol.h"
#include "support/process.h"

namespace lumo::test {

struct RegisterSim {
  Process process;
  HWND window = nullptr;
};

// Starts bin/register-sim.exe with a command line tail (see register_sim_protocol.h) and
// waits until its window shows; throws std::runtime_error when it does not.
RegisterSim StartRegisterSim(const std::string& arguments = "");

// Sets the text of control id (0: the title); false when the control does not exist or
// the window did not answer.
bool SetRegisterSimText(HWND window, int id, const std::string& text);

}  // namespace lumo::test
