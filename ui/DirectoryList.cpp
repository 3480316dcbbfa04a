#include "ui/DirectoryList.h"

#include <cctype>

#include "platform/DirectoryTree.h"

namespace vx::ui {

namespace {

constexpr int IndentStep = 8;

std::string Normalised(std::string path)
{
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    if (path.size() == 2 && path[1] == ':')
        path += '\\';
    if (!path.empty())
        path[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    return path;
}

std::string Join(const std::string& directory, const std::string& name)
{
    return directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

}  // namespace

DirectoryList::DirectoryList(Control* parent) : ListBox(parent) {}

void DirectoryList::SetDirectory(const std::string& directory)
{
    std::string path = Normalised(directory);
    if (path.size() < 3 || path[1] != ':' || path == directory_)
        return;
    directory_ = std::move(path);
    Fill();
    if (OnChange)
        OnChange();
}

void DirectoryList::SetDrive(char drive)
{
    SetDirectory(std::string(1, drive) + ":\\");
}

std::string DirectoryList::ItemPath(int index) const
{
    if (index < 0 || index >= static_cast<int>(Items().size()))
        return {};
    if (index > currentIndex_)
        return Join(directory_, Items()[static_cast<std::size_t>(index)]);
    std::string path = Items()[0];
    for (int i = 1; i <= index; ++i)
        path = Join(path, Items()[static_cast<std::size_t>(i)]);
    return path;
}

void DirectoryList::OpenSelected()
{
    if (ItemIndex() >= 0)
        SetDirectory(ItemPath(ItemIndex()));
}

void DirectoryList::Fill()
{
    std::vector<std::string> items{directory_.substr(0, 3)};
    std::vector<int> indents{0};
    std::size_t start = 3;
    while (start < directory_.size()) {
        const std::size_t slash = directory_.find('\\', start);
        const std::size_t end = slash == std::string::npos ? directory_.size() : slash;
        items.push_back(directory_.substr(start, end - start));
        indents.push_back(IndentStep * static_cast<int>(indents.size()));
        start = end + 1;
    }
    currentIndex_ = static_cast<int>(items.size()) - 1;
    const int inner = IndentStep * static_cast<int>(items.size());
    for (std::string& name : platform::Directories().Subdirectories(directory_)) {
        items.push_back(std::move(name));
        indents.push_back(inner);
    }
    SetItems(std::move(items));
    SetIndents(std::move(indents));
    SetItemIndex(currentIndex_);
}

}  // namespace vx::ui
