#include "ui/host/script/WriteDenyingRegistry.h"

#include "common/RegFileParser.h"

namespace vx::ui::script {

bool WriteDenyingRegistry::DenyAt(const std::string& fullPath)
{
    std::size_t slash = fullPath.find('\\');
    auto root = RootByName(std::string_view(fullPath).substr(0, slash));
    if (!root)
        return false;
    denials_.push_back({*root, slash == std::string::npos ? std::string() : fullPath.substr(slash + 1)});
    return true;
}

bool WriteDenyingRegistry::Denied(RegRoot root, std::string_view path) const
{
    for (const Denial& denial : denials_)
        if (denial.root == root && IsKeyOrAncestor(denial.path, path))
            return true;
    return false;
}

std::unique_ptr<RegistryKey> WriteDenyingRegistry::OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                                           bool create)
{
    if (access == KeyAccess::ReadWrite && Denied(root, path)) {
        ++refusals_;
        return nullptr;
    }
    return inner_.OpenKey(root, path, access, create);
}

bool WriteDenyingRegistry::DeleteKey(RegRoot root, std::string_view path)
{
    if (Denied(root, path)) {
        ++refusals_;
        return false;
    }
    return inner_.DeleteKey(root, path);
}

}  // namespace vx::ui::script
