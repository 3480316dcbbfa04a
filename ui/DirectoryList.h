#pragma once
// A list of a directory's path from the drive root down, each level indented,
// followed by the directories inside it. OnChange runs when Directory changes;
// OnClick when the user selects an entry (OpenSelected then opens it).
#include <functional>
#include <string>

#include "ui/ListBox.h"

namespace vx::ui {

class DirectoryList : public ListBox {
public:
    explicit DirectoryList(Control* parent = nullptr);

    std::function<void()> OnChange;

    // "C:\" or "C:\Program Files", without a trailing backslash below the root.
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory);
    // The root of another drive.
    void SetDrive(char drive);
    // The directory an entry stands for.
    std::string ItemPath(int index) const;
    // Makes the selected entry the directory.
    void OpenSelected();

private:
    void Fill();

    std::string directory_;
    int currentIndex_ = -1;  // the entry of directory_ itself
};

}  // namespace vx::ui
