// velocitrex-art DIRECTORY: the pictures as on the host.
// velocitrex-art --show [SECONDS]: the mock-ups of the windows as real windows,
// side by side, for a screenshot; they close after SECONDS (default 20).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "apps/velocitrex/art/tool/LayoutPreview.h"
#include "apps/velocitrex/art/tool/RenderArt.h"
#include "ui/Application.h"
#include "ui/Timer.h"
#include "ui/win32/WinBackend.h"

namespace {

int ShowMockups(unsigned seconds)
{
    using namespace vx;
    const std::unique_ptr<ui::Backend> backend = ui::CreateWin32Backend();
    ui::Application app(*backend);
    app.SetTitle("Velocitrex artwork");
    const auto mockups = art::MakeLayoutPreviews();
    const ui::Point places[] = {{0, 0}, {640, 0}, {0, 460}, {345, 460}};
    for (std::size_t i = 0; i < mockups.size() && i < 4; ++i) {
        ui::Form& form = mockups[i]->Form();
        form.SetBounds(places[i].x, places[i].y, form.Width(), form.Height());
        form.Show();
    }
    ui::Timer end;
    end.OnTimer = [&app] { app.Terminate(); };
    end.SetInterval(seconds * 1000);
    end.SetEnabled(true);
    while (!app.Terminated())
        app.HandleMessage();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--show") == 0)
        return ShowMockups(argc >= 3 ? static_cast<unsigned>(std::atoi(argv[2])) : 20);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velocitrex-art DIRECTORY | --show [SECONDS]\n");
        return 2;
    }
    if (!vx::art::WriteArt(argv[1])) {
        std::fprintf(stderr, "velocitrex-art: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
