#include "common/WindowsRegistry.h"

#include <windows.h>

#include <algorithm>

namespace vx {
namespace {

HKEY RootHandle(RegRoot root)
{
    switch (root) {
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::Users: return HKEY_USERS;
    case RegRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    }
    return HKEY_LOCAL_MACHINE;
}

// Owns one open key handle; closes it (flushing first when written) on every path.
class KeyHandle {
public:
    KeyHandle() = default;
    explicit KeyHandle(HKEY handle) : handle_(handle) {}
    KeyHandle(KeyHandle&& other) noexcept : handle_(other.handle_), dirty_(other.dirty_)
    {
        other.handle_ = nullptr;
    }
    KeyHandle& operator=(KeyHandle&&) = delete;
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    ~KeyHandle()
    {
        if (!handle_)
            return;
        if (dirty_)
            RegFlushKey(handle_);
        RegCloseKey(handle_);
    }
    HKEY Get() const { return handle_; }
    void MarkDirty() { dirty_ = true; }

private:
    HKEY handle_ = nullptr;
    bool dirty_ = false;
};

KeyHandle OpenRaw(HKEY root, const std::string& path, REGSAM access)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &handle) != ERROR_SUCCESS)
        return KeyHandle();
    return KeyHandle(handle);
}

class WindowsKey : public RegistryKey {
public:
    explicit WindowsKey(KeyHandle handle) : handle_(std::move(handle)) {}

    std::optional<RawValue> ReadValue(std::string_view name) const override
    {
        std::string valueName(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(handle_.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        // The value may grow between the size query and the read: retry with the size the refusal reports.
        for (int attempt = 0; attempt < 8; ++attempt) {
            RawValue value;
            // Never a null buffer: a value that grew from empty must be refused, not reported empty.
            value.data.resize(std::max<DWORD>(size, 1));
            DWORD read = static_cast<DWORD>(value.data.size());
            LONG status = RegQueryValueExA(handle_.Get(), valueName.c_str(), nullptr, &type, value.data.data(), &read);
            if (status == ERROR_MORE_DATA) {
                size = read > value.data.size() ? read : static_cast<DWORD>(value.data.size() * 2);
                continue;
            }
            if (status != ERROR_SUCCESS)
                return std::nullopt;
            value.type = static_cast<RegType>(type);
            value.data.resize(std::min<size_t>(read, value.data.size()));
            return value;
        }
        return std::nullopt;
    }

    bool WriteValue(std::string_view name, const RawValue& value) override
    {
        std::string valueName(name);
        LONG status = RegSetValueExA(handle_.Get(), valueName.c_str(), 0, static_cast<DWORD>(value.type),
                                     value.data.empty() ? nullptr : value.data.data(),
                                     static_cast<DWORD>(value.data.size()));
        if (status != ERROR_SUCCESS)
            return false;
        handle_.MarkDirty();
        return true;
    }

    bool DeleteValue(std::string_view name) override
    {
        std::string valueName(name);
        if (RegDeleteValueA(handle_.Get(), valueName.c_str()) != ERROR_SUCCESS)
            return false;
        handle_.MarkDirty();
        return true;
    }

    std::vector<std::string> SubkeyNames() const override { return ListNames(true); }
    std::vector<std::string> ValueNames() const override { return ListNames(false); }

private:
    std::vector<std::string> ListNames(bool subkeys) const
    {
        std::vector<std::string> names;
        DWORD subkeyCount = 0, maxSubkeyLen = 0, valueCount = 0, maxValueLen = 0;
        if (RegQueryInfoKeyA(handle_.Get(), nullptr, nullptr, nullptr, &subkeyCount, &maxSubkeyLen, nullptr,
                             &valueCount, &maxValueLen, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        DWORD count = subkeys ? subkeyCount : valueCount;
        // Windows 9x reports no maximum for value names: allow the longest a name can be.
        std::string buffer(std::max<DWORD>(subkeys ? maxSubkeyLen : maxValueLen, 16383) + 1, '\0');
        for (DWORD index = 0; index < count; ++index) {
            DWORD length = static_cast<DWORD>(buffer.size());
            LONG status = subkeys ? RegEnumKeyExA(handle_.Get(), index, buffer.data(), &length, nullptr,
                                                  nullptr, nullptr, nullptr)
                                  : RegEnumValueA(handle_.Get(), index, buffer.data(), &length, nullptr,
                                                  nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS)
                break;
            if (status == ERROR_SUCCESS)
                names.emplace_back(buffer.data(), std::min<size_t>(length, buffer.size()));
        }
        return names;
    }

    KeyHandle handle_;
};

bool DeleteTree(HKEY parent, const std::string& path)
{
    {
        KeyHandle key = OpenRaw(parent, path, KEY_READ | KEY_WRITE);
        if (!key.Get())
            return false;
        // Delete from the end so the indexes of the remaining subkeys stay valid.
        std::vector<std::string> children = WindowsKey(std::move(key)).SubkeyNames();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if (!DeleteTree(parent, path + "\\" + *it))
                return false;
    }
    return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

std::unique_ptr<RegistryKey> WindowsRegistry::OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                                      bool create)
{
    std::string relative(RelativeKeyPath(path));
    if (access == KeyAccess::Read) {
        KeyHandle key = OpenRaw(RootHandle(root), relative, KEY_READ);
        return key.Get() ? std::make_unique<WindowsKey>(std::move(key)) : nullptr;
    }
    KeyHandle key = OpenRaw(RootHandle(root), relative, KEY_ALL_ACCESS);
    if (key.Get())
        return std::make_unique<WindowsKey>(std::move(key));
    HKEY handle = nullptr;
    if (!create || RegCreateKeyExA(RootHandle(root), relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<WindowsKey>(KeyHandle(handle));
}

bool WindowsRegistry::KeyExists(RegRoot root, std::string_view path)
{
    return OpenRaw(RootHandle(root), std::string(RelativeKeyPath(path)), KEY_READ).Get() != nullptr;
}

bool WindowsRegistry::DeleteKey(RegRoot root, std::string_view path)
{
    std::string relative(RelativeKeyPath(path));
    return !relative.empty() && DeleteTree(RootHandle(root), relative);
}

}  // namespace vx

namespace vx::platform {

template <>
RegistryBackend& DefaultService<RegistryBackend>()
{
    static WindowsRegistry registry;
    return registry;
}

}  // namespace vx::platform
