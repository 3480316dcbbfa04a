#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CurrentService.h"

namespace vx {

// Standard root handles. The engine uses LocalMachine (and the journal accepts
// CurrentUser); the others exist so a caller can pass an unsupported root.
enum class RegRoot { LocalMachine, CurrentUser, ClassesRoot, Users, CurrentConfig };

// Registry data types by their Windows numbers; any other number may occur in a
// real registry and is carried as it is.
enum class RegType : uint32_t { None = 0, Sz = 1, ExpandSz = 2, Binary = 3, Dword = 4, MultiSz = 7 };

struct RawValue {
    RegType type = RegType::None;
    std::vector<uint8_t> data;
    bool operator==(const RawValue&) const = default;

    static RawValue Dword(uint32_t number);
    // REG_SZ data: the text's bytes and a terminating zero.
    static RawValue Text(std::string_view text, RegType type = RegType::Sz);
    static RawValue Binary(std::vector<uint8_t> bytes);
};

// The text of REG_SZ/REG_EXPAND_SZ data: the bytes up to the first zero (data
// that lacks its terminating zero is taken whole).
std::string TextOfStringData(const std::vector<uint8_t>& data);

// A key path with any leading backslashes removed: every path is taken from the root.
std::string_view RelativeKeyPath(std::string_view path);

// The next key name of a backslash-separated path, taken off its front; empty at
// its end. Empty parts are skipped, as the Windows registry does.
std::string_view NextKeyName(std::string_view& rest);

// Whether `key` is `path` or a key above it, names compared as the registry does.
bool IsKeyOrAncestor(std::string_view key, std::string_view path);

// Windows keeps keys at most this many levels below a root.
inline constexpr size_t MaxKeyDepth = 512;

// The number of key names in a path (empty parts are skipped, as the registry does).
size_t KeyPathDepth(std::string_view path);

// An open key; closing it is destroying the object.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // nullopt when the value does not exist or cannot be read.
    virtual std::optional<RawValue> ReadValue(std::string_view name) const = 0;
    virtual bool WriteValue(std::string_view name, const RawValue& value) = 0;
    virtual bool DeleteValue(std::string_view name) = 0;
    virtual std::vector<std::string> SubkeyNames() const = 0;
    virtual std::vector<std::string> ValueNames() const = 0;

    bool ValueExists(std::string_view name) const { return ReadValue(name).has_value(); }
    // RegType::None when the value is missing.
    RegType ValueType(std::string_view name) const;
    std::optional<uint32_t> ReadDword(std::string_view name) const;
    // REG_SZ (and REG_EXPAND_SZ, as text) only.
    std::optional<std::string> ReadString(std::string_view name) const;
    std::optional<std::vector<uint8_t>> ReadBinary(std::string_view name) const;
};

enum class KeyAccess { Read, ReadWrite };

// Everything the registry layer needs of a registry. One implementation drives
// the Windows registry, another keeps one in memory.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // nullptr when the key cannot be opened. With create set (ReadWrite only) every
    // missing key of the path is made.
    virtual std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path,
                                                 KeyAccess access, bool create = false) = 0;
    virtual bool KeyExists(RegRoot root, std::string_view path) = 0;
    // Deletes the key with its values and all its subkeys.
    virtual bool DeleteKey(RegRoot root, std::string_view path) = 0;
};

// The process's current registry: the Windows registry in a Windows build, an
// empty in-memory registry elsewhere, or whatever a ScopedRegistryBackend put in.
inline RegistryBackend& CurrentRegistry()
{
    return platform::CurrentService<RegistryBackend>::Get();
}

using ScopedRegistryBackend = platform::ScopedService<RegistryBackend>;

}  // namespace vx
