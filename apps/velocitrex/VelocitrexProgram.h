#pragma once
// The main program from start to end, on whichever window system the backend
// drives: Windows for velocitrex.exe, the headless host for the simulator.
#include <string>
#include <vector>

namespace vx::ui {
class Backend;
}

namespace vx::app {

inline constexpr const char* ProgramTitle = "Velocitrex 2K3";

// args: the command line without the program's name ("/S" for the start-up run).
void RunVelocitrex(ui::Backend& backend, std::vector<std::string> args);

}  // namespace vx::app
