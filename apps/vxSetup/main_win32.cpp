// vxSetup: installs Velocitrex from the directory the package unpacked it into.
#include <windows.h>

#include "apps/vxSetup/art/SetupArt.h"
#include "setup/forms/SetupProgram.h"
#include "ui/Application.h"
#include "ui/win32/WinBackend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    using namespace vx;
    const std::unique_ptr<ui::Backend> backend = ui::CreateWin32Backend();
    ui::Application app(*backend);
    return setup::RunSetupProgram(app, setup::art::SetupPictures());
}
