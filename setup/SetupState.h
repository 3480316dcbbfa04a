#pragma once
#include <cstdint>
#include <string>

namespace vx::setup {

// The setup program's one process-wide record, shared by its pages and the install engine.
struct SetupState {
    std::string sourceDir;        // the extraction (temporary) directory, ending in "\"
    std::string chosenDir;        // the options page's directory box
    std::string installDir;       // that box's text when Install was pressed, as typed
    std::string windowsDir;
    std::string programFilesDir;
    std::string programsDir;
    std::string desktopDir;
    bool addDesktopIcon = false;
    bool addStartMenuLinks = false;
    bool installFailed = false;
    // From "Reseller.txt"; -1 also stands for no reseller.
    int32_t resellerNumber = -1;
    // The user would not let a running copy be closed: end before any page.
    bool quitAtShow = false;
};

inline SetupState setupState;

}  // namespace vx::setup
