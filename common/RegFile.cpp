#include "common/RegFile.h"

#include "common/NarrowText.h"
#include "common/RegFileParser.h"
#include "platform/FileSystem.h"

namespace vx {
namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";

// Applies what a checked file asks for; it cannot fail.
class RegistryLoader : public RegFileSink {
public:
    explicit RegistryLoader(MemoryRegistry& registry) : registry_(registry) {}

    void OpenKey(RegRoot root, std::string_view path) override { current_ = &registry_.Create(root, path); }
    void DeleteKey(RegRoot root, std::string_view path) override
    {
        registry_.Remove(root, path);
        current_ = nullptr;
    }
    void SetValue(std::string_view name, RawValue&& value) override { current_->SetValue(name, std::move(value)); }
    void DeleteValue(std::string_view name) override { current_->RemoveValue(name); }

private:
    MemoryRegistry& registry_;
    MemoryKey* current_ = nullptr;
};

}  // namespace

std::optional<std::string> ApplyRegText(MemoryRegistry& registry, std::string_view bytes,
                                        std::string_view fileName)
{
    std::string narrowed;
    std::string_view text = bytes;
    if (bytes.starts_with("\xFF\xFE")) {
        narrowed = NarrowUtf16(bytes.substr(2));
        text = narrowed;
    }
    size_t cut = text.find('\n');
    std::string_view header = text.substr(0, cut);
    if (header.ends_with('\r'))
        header.remove_suffix(1);
    if (header != kRegedit4Header && header != kVersion5Header)
        return std::string(fileName) + ":1: not a registry file (the first line must be \"REGEDIT4\" or \"" +
               std::string(kVersion5Header) + "\")";
    bool wideData = header == kVersion5Header;
    std::string_view body = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1);
    if (auto error = ParseRegLines(body, fileName, 2, wideData, nullptr))
        return error;
    RegistryLoader loader(registry);
    ParseRegLines(body, fileName, 2, wideData, &loader);
    return std::nullopt;
}

std::optional<std::string> LoadRegFile(MemoryRegistry& registry, const std::string& path)
{
    platform::FileSystem& files = platform::Files();
    switch (files.Kind(path)) {
    case platform::PathKind::Missing: return std::nullopt;
    case platform::PathKind::File: break;
    case platform::PathKind::Directory: return path + ": cannot read (not a file)";
    case platform::PathKind::Other: return path + ": cannot read the file";
    }
    std::optional<std::string> bytes = files.ReadAll(path);
    if (!bytes)
        return path + ": cannot read the file";
    return ApplyRegText(registry, *bytes, path);
}

std::optional<std::string> SaveRegFile(const MemoryRegistry& registry, const std::string& path)
{
    if (HoldsUnwritableName(registry))
        return path + ": not saved: a name no .reg file can hold (empty key name or line break)";
    if (auto problem = platform::WriteFileSafely(path, FormatRegedit4(registry)))
        return path + ": " + *problem;
    return std::nullopt;
}

}  // namespace vx
