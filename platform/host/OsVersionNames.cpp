#include "platform/host/OsVersionNames.h"

#include <utility>

namespace vx::platform {

namespace {

const std::pair<const char*, OsVersion> kVersions[] = {
    {"95", {4, 0, 1}},  {"98", {4, 10, 1}}, {"me", {4, 90, 1}},   {"nt4", {4, 0, 2}},
    {"2000", {5, 0, 2}}, {"xp", {5, 1, 2}},  {"2003", {5, 2, 2}},
};

}  // namespace

std::optional<OsVersion> OsVersionByName(const std::string& name)
{
    for (const auto& [versionName, version] : kVersions)
        if (name == versionName)
            return version;
    return std::nullopt;
}

std::string OsVersionNames()
{
    std::string names;
    for (const auto& entry : kVersions)
        names += (names.empty() ? "" : ", ") + std::string(entry.first);
    return names;
}

}  // namespace vx::platform
