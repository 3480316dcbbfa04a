#pragma once
// The short names the command-line tools take for a Windows version (--os).
#include <optional>
#include <string>

#include "platform/VersionQuery.h"

namespace vx::platform {

// The version record a name stands for, or nullopt for an unknown name.
std::optional<OsVersion> OsVersionByName(const std::string& name);
// "95, 98, ...": every name taken.
std::string OsVersionNames();

}  // namespace vx::platform
