#pragma once
// Taking the installed product off the machine, once its settings are back.
#include <string>
#include <vector>

namespace vx::uninstall {

// Where the install put things; read before anything is removed.
struct InstalledPlaces {
    std::string installDir;   // as the setup stored it; empty when unknown
    std::string desktopDir;   // the user's desktop folder
    std::string programsDir;  // the Start menu's Programs folder
};

InstalledPlaces FindInstalledPlaces();

// Removes the installed files and their directory when it is empty, the desktop
// link, the program group, the Run value, the uninstall entry, the product key
// and the maker key when nothing else of the maker is left. Goes on after a
// failure; returns what could not be removed (empty when everything went).
std::vector<std::string> RemoveProduct(const InstalledPlaces& places);

}  // namespace vx::uninstall
