// The gallery without a window system: renders the form as the Windows build
// shows it and saves the picture as DIRECTORY/gallery-host.bmp, and the
// component set's window as DIRECTORY/components-host.bmp.
// Usage: gallery [DIRECTORY]   (default build/screens)
#include <cstdio>
#include <string>
#include <utility>

#include "apps/gallery/ComponentSection.h"
#include "apps/gallery/GalleryForm.h"
#include "ui/Application.h"
#include "ui/host/FormRenderer.h"
#include "ui/host/HostBackend.h"
#include "apps/gallery/ComponentShowcase.h"

int main(int argc, char** argv)
{
    using namespace vx::ui;
    const std::string directory = argc > 1 ? argv[1] : "build/screens";
    HostBackend host;
    Application app(host);
    app.SetTitle(GalleryTitle);
    GalleryForm& form = app.CreateForm<GalleryForm>(MakeComponentSection);
    auto& components = app.CreateForm<vx::widgets::TfrmComponents>();
    form.Show();
    components.Show();
    app.ProcessMessages();
    for (auto [shown, name] : {std::pair<Form*, const char*>{&form, "gallery-host"}, {&components, "components-host"}}) {
        const std::string path = SaveRendering(RenderForm(*shown), directory, name);
        if (path.empty()) {
            std::fprintf(stderr, "gallery: cannot write the picture into %s\n", directory.c_str());
            return 1;
        }
        std::puts(path.c_str());
    }
    return 0;
}
