// The gallery on Windows. "--exit-after MS" ends it by itself, so that scripts can
// take a screenshot without having to close the window; "--components" shows the
// component set's window instead of the gallery.
#include <charconv>
#include <cstring>
#include <optional>

#include "apps/gallery/ComponentSection.h"
#include "apps/gallery/GalleryForm.h"
#include "ui/Application.h"
#include "ui/Timer.h"
#include "ui/win32/WinBackend.h"
#include "apps/gallery/ComponentShowcase.h"

namespace {

std::optional<unsigned> ExitDelay(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--exit-after") != 0)
            continue;
        unsigned ms = 0;
        const char* text = argv[i + 1];
        const auto [end, error] = std::from_chars(text, text + std::strlen(text), ms);
        if (error == std::errc{} && *end == '\0' && ms > 0)
            return ms;
    }
    return std::nullopt;
}

bool HasFlag(int argc, char** argv, const char* flag)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], flag) == 0)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace vx::ui;
    const std::unique_ptr<Backend> backend = CreateWin32Backend();
    Application app(*backend);
    app.SetTitle(GalleryTitle);
    if (HasFlag(argc, argv, "--components"))
        app.CreateForm<vx::widgets::TfrmComponents>();
    else
        app.CreateForm<GalleryForm>(MakeComponentSection);
    Timer exitTimer;
    if (const std::optional<unsigned> delay = ExitDelay(argc, argv)) {
        exitTimer.OnTimer = [&app] { app.Terminate(); };
        exitTimer.SetInterval(*delay);
        exitTimer.SetEnabled(true);
    }
    app.Run();
    return 0;
}
