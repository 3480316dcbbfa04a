// velocitrex.exe: the tuning wizard and the resident dispatcher on Windows.
#include <string>
#include <vector>

#include "apps/velocitrex/VelocitrexProgram.h"
#include "ui/win32/WinBackend.h"

int main(int argc, char** argv)
{
    const std::unique_ptr<vx::ui::Backend> backend = vx::ui::CreateWin32Backend();
    vx::app::RunVelocitrex(*backend, std::vector<std::string>(argv + 1, argv + argc));
    return 0;
}
