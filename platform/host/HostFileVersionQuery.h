#pragma once
#include <map>

#include "platform/FileVersionQuery.h"

namespace vx::platform {

// Answers with the versions a test gives for file names; other files have none.
class HostFileVersionQuery : public FileVersionQuery {
public:
    std::optional<FileVersionNumbers> Query(const std::string& fileName) override
    {
        auto found = versions_.find(fileName);
        if (found == versions_.end())
            return std::nullopt;
        return found->second;
    }

    void Set(const std::string& fileName, FileVersionNumbers numbers) { versions_[fileName] = numbers; }

private:
    std::map<std::string, FileVersionNumbers> versions_;
};

}  // namespace vx::platform
