#pragma once
// A machine for the advanced page's tests: an in-memory registry with the product
// key, the current TCP/IP figures a test names, and the Windows family.
#include <cstdint>
#include <optional>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/PlatformKind.h"
#include "common/RegistryBackend.h"
#include "common/RegistryCalls.h"
#include "dispatcher/ProgramState.h"
#include "engine/vxRegistryKeys.h"
#include "wizard/WizardState.h"

namespace vx::test {

class AdvancedMachine {
public:
    explicit AdvancedMachine(PlatformKind kind, std::string connectionType = "M")
        : scope_(registry_), kind_(kind)
    {
        RegCreateKeyIfMissing(RegRoot::LocalMachine, ProductKey);
        wizard::Wizard() = {std::move(connectionType), false};
        dispatcher::Program().changesPending = false;
        dispatcher::Program().changesMade = true;
    }
    ~AdvancedMachine()
    {
        wizard::Wizard() = {};
        dispatcher::Program().changesPending = false;
        dispatcher::Program().changesMade = false;
    }

    bool Win9x() const { return IsWin9xFamily(); }

    // A value of the TCP/IP parameters in the layout's own form.
    void SetTcp(std::string_view name9x, std::string_view nameNt, int32_t value)
    {
        if (Win9x())
            SetRegistryValue(RegRoot::LocalMachine, MstcpKey, true, RegistryValue::String(std::to_string(value)),
                             name9x, RegValueKind::String);
        else
            SetRegistryValue(RegRoot::LocalMachine, TcpipParametersKey, true, RegistryValue::Integer(value), nameNt,
                             RegValueKind::Integer);
    }
    // The MTU of the first TCP/IP binding (9x layout only).
    void SetMtu9x(const std::string& text)
    {
        const std::string key = std::string(NetTransKeyPrefix) + "0";
        SetRegistryValue(RegRoot::LocalMachine, key, true, RegistryValue::String("TCP/IP"), DriverDescValue,
                         RegValueKind::String);
        SetRegistryValue(RegRoot::LocalMachine, key, true, RegistryValue::String(text), MaxMtuValue,
                         RegValueKind::String);
    }
    void SetReceiveWindow(int32_t value) { SetTcp(ReceiveWindowValue9x, ReceiveWindowValueNT, value); }
    void MakeNwLinkKey() { RegCreateKeyIfMissing(RegRoot::LocalMachine, NdiCacheSizeKey); }

    // A preference as stored, or nullopt when there is none.
    std::optional<std::string> Stored(std::string_view name) const
    {
        if (!RegValueExists(RegRoot::LocalMachine, ProductKey, name))
            return std::nullopt;
        // Flags and switches are stored as numbers, the rest as decimal texts.
        const auto text = GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::String, name);
        if (text.Kind() == RegValueKind::String && !text.AsString().empty())
            return text.AsString();
        return GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::Integer, name).AsString();
    }

    MemoryRegistry& Registry() { return registry_; }

private:
    MemoryRegistry registry_;
    ScopedRegistryBackend scope_;
    ScopedPlatformKind kind_;
};

}  // namespace vx::test
