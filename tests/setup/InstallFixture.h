#pragma once
// A machine for the install engine: drive C on a temporary directory, with the
// Windows and temporary directories, the distribution files unpacked and an
// in-memory registry; recording message boxes, shortcuts and command lines.
#include <gtest/gtest.h>

#include <string>

#include "common/MemoryRegistry.h"
#include "platform/host/HostCommandLauncher.h"
#include "platform/host/HostDriveDirectories.h"
#include "platform/host/HostDriveFileSystem.h"
#include "platform/host/HostMessageBoxes.h"
#include "platform/host/HostPathNames.h"
#include "platform/host/HostShellLinks.h"
#include "platform/host/HostSystemFolders.h"
#include "setup/DistributionFiles.h"
#include "setup/SetupState.h"
#include "tests/setup/TempDirectory.h"

namespace vx::setup::test {

class InstallFixture : public testing::Test {
protected:
    InstallFixture()
    {
        files_.AddDrive('C');
        for (const char* dir : {"C:\\WINDOWS", "C:\\WINDOWS\\TEMP", "C:\\Program Files", "C:\\WINDOWS\\Desktop",
                                "C:\\WINDOWS\\Start Menu", "C:\\WINDOWS\\Start Menu\\Programs"})
            files_.MakeDirectory(dir);
        for (const DistributionFile& file : DistributionFileSet)
            files_.WriteAll(kSource + std::string(file.name), "new " + std::string(file.name));
        setupState = SetupState{};
        setupState.sourceDir = kSource;
        setupState.windowsDir = "C:\\WINDOWS";
        setupState.programFilesDir = "C:\\Program Files";
        setupState.programsDir = "C:\\WINDOWS\\Start Menu\\Programs";
        setupState.installDir = kInstall;
        setupState.addDesktopIcon = true;
        setupState.addStartMenuLinks = true;
        SetShellFolder("Desktop", "C:\\WINDOWS\\Desktop");
    }
    ~InstallFixture() override { setupState = SetupState{}; }

    void SetShellFolder(const char* name, const std::string& path)
    {
        registry_.Create(RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders")
            .SetValue(name, RawValue::Text(path));
    }
    std::string Read(const std::string& path) { return files_.ReadAll(path).value_or("<missing>"); }
    bool Exists(const std::string& path) { return files_.Kind(path) != platform::PathKind::Missing; }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const auto& shown : boxes_.Shown())
            captions.push_back(shown.caption + ": " + shown.text);
        return captions;
    }

    static constexpr const char* kSource = "C:\\WINDOWS\\TEMP\\";
    static constexpr const char* kInstall = "C:\\Program Files\\Quorvex\\Velocitrex";

    vx::test::TempDirectory root_;
    platform::HostDriveFileSystem files_{root_.Prefix()};
    platform::ScopedService<platform::FileSystem> scopedFiles_{files_};
    platform::HostDriveDirectories directories_{files_};
    platform::ScopedService<platform::DirectoryTree> scopedDirectories_{directories_};
    platform::HostShellLinks links_;
    platform::ScopedService<platform::ShellLinks> scopedLinks_{links_};
    platform::HostCommandLauncher launcher_;
    platform::ScopedService<platform::CommandLauncher> scopedLauncher_{launcher_};
    platform::HostMessageBoxes boxes_;
    platform::ScopedService<platform::MessageBoxes> scopedBoxes_{boxes_};
    platform::HostPathNames paths_;
    platform::ScopedService<platform::PathNames> scopedPaths_{paths_};
    platform::HostSystemFolders folders_;
    platform::ScopedService<platform::SystemFolders> scopedFolders_{folders_};
    MemoryRegistry registry_;
    ScopedRegistryBackend scopedRegistry_{registry_};
};

}  // namespace vx::setup::test
