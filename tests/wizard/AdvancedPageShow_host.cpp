// advanced-page-show REGFILE OS DIRECTORY: the advanced page on the machine of a
// .reg file, as the Windows family OS (95, 98, me, nt4, 2000, xp) shows it,
// rendered into DIRECTORY/advanced-page-host.bmp; then MTU 1492, "8 x MSS", a typed
// 1454 with "Manual Setting", and the page again as advanced-page-host-changed.bmp.
#include <cstdio>
#include <cstring>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/PlatformKind.h"
#include "common/RegFile.h"
#include "common/RegistryBackend.h"
#include "ui/Application.h"
#include "ui/host/FormRenderer.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostUser.h"
#include "wizard/TfrmAdvanced.h"

namespace {

bool KindOf(const char* name, vx::PlatformKind& kind)
{
    using enum vx::PlatformKind;
    const std::pair<const char*, vx::PlatformKind> kinds[] = {{"95", Windows95}, {"98", Windows98},
                                                              {"me", WindowsMe}, {"nt4", WindowsNT},
                                                              {"2000", Windows2000}, {"xp", WindowsXP}};
    for (const auto& [text, k] : kinds)
        if (std::strcmp(name, text) == 0) {
            kind = k;
            return true;
        }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    vx::PlatformKind kind{};
    if (argc != 4 || !KindOf(argv[2], kind)) {
        std::fprintf(stderr, "usage: advanced-page-show REGFILE 95|98|me|nt4|2000|xp DIRECTORY\n");
        return 2;
    }
    vx::MemoryRegistry registry;
    if (auto error = vx::LoadRegFile(registry, argv[1])) {
        std::fprintf(stderr, "advanced-page-show: %s\n", error->c_str());
        return 3;
    }
    vx::ScopedRegistryBackend scope(registry);
    vx::ScopedPlatformKind platform(kind);
    vx::ui::HostBackend host;
    vx::ui::Application app(host);
    vx::ui::HostUser user(host);
    auto page = vx::ui::MakeForm<vx::wizard::TfrmAdvanced>(nullptr);
    page->Show();
    app.ProcessMessages();
    const std::string dir = argv[3];
    bool ok = !vx::ui::SaveRendering(vx::ui::RenderForm(*page), dir, "advanced-page-host").empty();
    user.Click("rbtnMTU1492");
    user.Click("rbtnRWIN8");
    user.Focus(user.Find("comboMTUManual"));
    user.Type("comboMTUManual", "1454");
    user.Click("rbtnMTUManual");
    app.ProcessMessages();
    ok = !vx::ui::SaveRendering(vx::ui::RenderForm(*page), dir, "advanced-page-host-changed").empty() && ok;
    return ok ? 0 : 1;
}
