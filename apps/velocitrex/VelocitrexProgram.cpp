#include "apps/velocitrex/VelocitrexProgram.h"

#include "dispatcher/TfrmVelocitrex.h"
#include "ui/Application.h"
#include "wizard/Tfrm2002Main.h"

namespace vx::app {

void RunVelocitrex(ui::Backend& backend, std::vector<std::string> args)
{
    ui::Application app(backend);
    app.SetTitle(ProgramTitle);
    // Made first, the dispatcher is the main window: closing it ends the program.
    wizard::Tfrm2002Main* mainWindow = nullptr;
    app.CreateForm<dispatcher::TfrmVelocitrex>(std::move(args), mainWindow);
    mainWindow = &app.CreateForm<wizard::Tfrm2002Main>();
    app.Run();
}

}  // namespace vx::app
