#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/VersionQuery.h"

namespace vx::tune {

struct Options {
    std::optional<std::string> registryFile;
    std::optional<platform::OsVersion> os;
    std::string command;
    std::vector<std::string> args;
};

// nullopt for a usage error, with the reason in `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& argv, std::string& error);

// The version record that --os VERSION names, or nullopt for an unknown name.
std::optional<platform::OsVersion> OsVersionByName(const std::string& name);
// "95, 98, ...": the names --os takes.
std::string OsVersionNames();

}  // namespace vx::tune
