// advanced-page-show.exe [--apply] [--result FILE] [--places FILE]: the advanced
// page alone on the real registry, run modally as the main window runs it. The
// result file receives the page's result (6 or 7); with --apply, a result of 6
// writes the stored profile into the TCP/IP settings, as the apply screen does
// after the page. The places file lists "NAME X Y", the centre of every named
// control in window coordinates, for scripts that click.
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/PlatformKind.h"
#include "engine/vxApplyProfile.h"
#include "ui/Application.h"
#include "ui/win32/WinBackend.h"
#include "wizard/TfrmAdvanced.h"

namespace {

const char* Argument(int argc, char** argv, const char* flag)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], flag) == 0)
            return argv[i + 1];
    return nullptr;
}

bool HasFlag(int argc, char** argv, const char* flag)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], flag) == 0)
            return true;
    return false;
}

void ListPlaces(vx::ui::Control& control, std::FILE* file)
{
    if (!control.Name().empty()) {
        const vx::ui::Rect r = control.BoundsInForm();
        std::fprintf(file, "%s %d %d\n", control.Name().c_str(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    for (vx::ui::Control* child : control.Children())
        ListPlaces(*child, file);
}

void WritePlaces(vx::ui::Form& form, const char* path)
{
    if (std::FILE* file = std::fopen(path, "w")) {
        for (vx::ui::Control* child : form.Children())
            ListPlaces(*child, file);
        std::fclose(file);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    vx::DetectPlatform();
    const std::unique_ptr<vx::ui::Backend> backend = vx::ui::CreateWin32Backend();
    vx::ui::Application app(*backend);
    app.SetTitle("Velocitrex");
    auto page = vx::ui::MakeForm<vx::wizard::TfrmAdvanced>(nullptr);
    if (const char* path = Argument(argc, argv, "--places"))
        WritePlaces(*page, path);
    const vx::ui::ModalResult result = page->ShowModal();
    page.reset();
    if (result == vx::ui::ModalResult::Yes && HasFlag(argc, argv, "--apply"))
        vx::ApplyStoredProfile();
    if (const char* path = Argument(argc, argv, "--result")) {
        if (std::FILE* file = std::fopen(path, "w")) {
            std::fprintf(file, "%d\n", static_cast<int>(result));
            std::fclose(file);
        }
    }
    return 0;
}
