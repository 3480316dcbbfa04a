#pragma once
// The recommended profile of each connection type, stored by the automatic page
// and by vxtune's profile command.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vx {

struct ConnectionType {
    std::string_view code;
    std::string_view caption;
    int32_t mtu;
    std::string_view ndi;
    std::optional<int32_t> ttl;   // none: the layout default stays
    std::optional<int32_t> rwin;  // none: the layout default stays
};

// In the order the wizard lists them: M, C, N, D1, D2, D3.
std::span<const ConnectionType> ConnectionTypes();

// The table row for a code; an unrecognised code gets the LAN row.
const ConnectionType& ConnectionTypeFor(std::string_view code);

// A stored "connect" as the wizard takes it: missing or "Modem" ("-2") is "M".
std::string ResolveConnectionCode(std::string_view storedConnect);

// Stores the recommended profile for the stored connection type and returns
// the code it used.
std::string StoreAutomaticProfile();

}  // namespace vx
