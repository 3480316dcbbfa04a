// velocitrex-art DIRECTORY: the pictures (see RenderArt.h) and the mock-ups of the
// windows rendered by the headless backend.
#include <cstdio>
#include <string>

#include "apps/velocitrex/art/tool/LayoutPreview.h"
#include "apps/velocitrex/art/tool/RenderArt.h"
#include "ui/Application.h"
#include "ui/host/HostBackend.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velocitrex-art DIRECTORY\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = vx::art::WriteArt(dir);
    vx::ui::HostBackend host;
    vx::ui::Application app(host);
    for (const auto& mockup : vx::art::MakeLayoutPreviews())
        ok = mockup->Render().SaveBmp(dir + "/" + mockup->Name() + ".bmp") && ok;
    if (!ok) {
        std::fprintf(stderr, "velocitrex-art: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
