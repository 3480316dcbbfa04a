#pragma once
// The setup program from start to end, on whatever backend the application has.
#include "setup/forms/SetupPictures.h"
#include "ui/Application.h"

namespace vx::setup {

inline constexpr const char* SetupTitle = "vxSetup";

// The start-up steps, the forms, then the message loop until the backdrop closes.
// Returns the process's exit code.
int RunSetupProgram(ui::Application& app, SetupPictures pictures);

}  // namespace vx::setup
