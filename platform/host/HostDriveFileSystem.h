#pragma once
// Windows paths over a real directory standing for the drives: "C:\Program Files"
// is ROOT/C/Program Files. Names are looked up regardless of case, as Windows
// does, and read-only files are neither replaced nor deleted.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace vx::platform {

class HostDriveFileSystem : public FileSystem {
public:
    // `root` must exist; drives appear as its one-letter subdirectories.
    explicit HostDriveFileSystem(std::string root);

    // Creates ROOT/<letter>, so that the drive exists.
    void AddDrive(char letter);
    // Where a Windows path lies on the real disk: the existing names in their
    // stored case, the rest as given; nullopt for a path without a drive.
    std::optional<std::string> HostPath(const std::string& path) const;
    const std::string& Root() const { return root_; }
    // Every change asked for, as transcript lines: mkdir "PATH", copy "FROM" "TO",
    // delete "PATH", attributes "PATH" normal, write "PATH", rename "FROM" "TO".
    const std::vector<std::string>& Events() const { return events_; }
    // Hears each change as it is asked for: the verb, its path, the second path
    // (copy, rename) or "", and what follows ("normal" for attributes) or "".
    std::function<void(const std::string& verb, const std::string& path, const std::string& to,
                       const std::string& tail)>
        OnChange;

    PathKind Kind(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, std::string_view bytes) override;
    bool Delete(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool MakeDirectory(const std::string& path) override;
    bool RemoveEmptyDirectory(const std::string& path) override;
    std::optional<std::uint32_t> Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;

private:
    void Record(const std::string& verb, const std::string& path, const std::string& to = "",
                const std::string& tail = "");

    std::string root_;
    std::vector<std::string> events_;
};

}  // namespace vx::platform
