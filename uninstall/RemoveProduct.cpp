#include "uninstall/RemoveProduct.h"

#include <cctype>

#include "common/RegistryCalls.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "platform/FileSystem.h"
#include "uninstall/InstalledProduct.h"

namespace vx::uninstall {
namespace {

std::string Joined(const std::string& directory, std::string_view name)
{
    if (directory.empty() || directory.back() == '\\') {
        return directory + std::string(name);
    }
    return directory + "\\" + std::string(name);
}

std::string ShellFolder(const char* name)
{
    return GetRegistryValue(RegRoot::CurrentUser, ShellFoldersKey, RegValueKind::String, name).AsString();
}

// A file that is not there counts as removed. Read-only files are the setup's
// own doing (it copies from wherever the package was), so they go too.
void RemoveFile(const std::string& path, std::vector<std::string>& failures)
{
    platform::FileSystem& files = platform::Files();
    if (files.Kind(path) == platform::PathKind::Missing) {
        return;
    }
    files.SetAttributes(path, platform::FileAttribute::Normal);
    if (!files.Delete(path)) {
        failures.push_back(path);
    }
}

// A directory the user put own files into stays, and that is no failure.
void RemoveDirectoryIfEmpty(const std::string& path)
{
    if (platform::Files().Kind(path) == platform::PathKind::Directory) {
        platform::Files().RemoveEmptyDirectory(path);
    }
}

std::string ParentOf(std::string path)
{
    while (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool EndsWithNameNoCase(const std::string& path, std::string_view name)
{
    return path.size() > name.size() && path[path.size() - name.size() - 1] == '\\' &&
           EqualsNoCase(std::string_view(path).substr(path.size() - name.size()), name);
}

void RemoveInstalledFiles(const std::string& installDir, std::vector<std::string>& failures)
{
    if (installDir.empty()) {
        return;
    }
    for (std::string_view name : InstalledFiles) {
        RemoveFile(Joined(installDir, name), failures);
    }
    RemoveDirectoryIfEmpty(installDir);
    // The setup's proposed place is "...\Quorvex\Velocitrex": the maker's folder goes when it is left empty.
    const std::string parent = ParentOf(installDir);
    if (EndsWithNameNoCase(parent, "Quorvex")) {
        RemoveDirectoryIfEmpty(parent);
    }
}

void RemoveLinks(const InstalledPlaces& places, std::vector<std::string>& failures)
{
    if (!places.desktopDir.empty()) {
        RemoveFile(Joined(places.desktopDir, DesktopLinkName), failures);
    }
    if (!places.programsDir.empty()) {
        const std::string group = Joined(places.programsDir, ProgramGroupName);
        for (std::string_view link : ProgramGroupLinks) {
            RemoveFile(Joined(group, link), failures);
        }
        RemoveDirectoryIfEmpty(group);
    }
}

void RemoveKey(std::string_view key, std::vector<std::string>& failures)
{
    if (RegKeyExists(RegRoot::LocalMachine, key) && !RegDeleteKeyIfPresent(RegRoot::LocalMachine, key)) {
        failures.push_back("HKEY_LOCAL_MACHINE" + std::string(key));
    }
}

// The maker key goes when no product of the maker is left under it and it holds
// nothing but the values the setup keeps there for its products.
void RemoveMakerKeyWhenUnused(std::vector<std::string>& failures)
{
    auto maker = CurrentRegistry().OpenKey(RegRoot::LocalMachine, MakerKey, KeyAccess::Read);
    if (!maker || !maker->SubkeyNames().empty()) {
        return;
    }
    for (const std::string& value : maker->ValueNames()) {
        bool ours = false;
        for (std::string_view name : MakerKeyValues) {
            ours = ours || EqualsNoCase(value, name);
        }
        if (!ours) {
            return;
        }
    }
    maker.reset();
    RemoveKey(MakerKey, failures);
}

}  // namespace

InstalledPlaces FindInstalledPlaces()
{
    InstalledPlaces places;
    places.installDir = GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::String, InstallDirValue).AsString();
    places.desktopDir = ShellFolder("Desktop");
    places.programsDir = ShellFolder("Programs");
    return places;
}

std::vector<std::string> RemoveProduct(const InstalledPlaces& places)
{
    std::vector<std::string> failures;
    RemoveInstalledFiles(places.installDir, failures);
    RemoveLinks(places, failures);
    if (RegValueExists(RegRoot::LocalMachine, AutostartKey, AutostartValueName) &&
        !RegDeleteValueIfPresent(RegRoot::LocalMachine, AutostartKey, AutostartValueName)) {
        failures.push_back("HKEY_LOCAL_MACHINE\\" + std::string(AutostartKey) + " " + std::string(AutostartValueName));
    }
    RemoveKey(UninstallEntryKey, failures);
    RemoveKey(ProductKey, failures);
    RemoveMakerKeyWhenUnused(failures);
    return failures;
}

}  // namespace vx::uninstall
