#include "apps/vxtune/Options.h"

#include <utility>

namespace vx::tune {

namespace {

const std::pair<const char*, platform::OsVersion> kVersions[] = {
    {"95", {4, 0, 1}},  {"98", {4, 10, 1}}, {"me", {4, 90, 1}},   {"nt4", {4, 0, 2}},
    {"2000", {5, 0, 2}}, {"xp", {5, 1, 2}},  {"2003", {5, 2, 2}},
};

}  // namespace

std::optional<platform::OsVersion> OsVersionByName(const std::string& name)
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

std::optional<Options> ParseOptions(const std::vector<std::string>& argv, std::string& error)
{
    Options options;
    size_t i = 0;
    for (; i < argv.size() && argv[i].starts_with("--"); ++i) {
        const std::string& flag = argv[i];
        if (flag != "--registry" && flag != "--os") {
            error = "unknown option " + flag;
            return std::nullopt;
        }
        if (i + 1 >= argv.size()) {
            error = flag + " needs a value";
            return std::nullopt;
        }
        const std::string& value = argv[++i];
        if (flag == "--registry") {
            options.registryFile = value;
        } else {
            options.os = OsVersionByName(value);
            if (!options.os) {
                error = "unknown Windows version " + value + " (" + OsVersionNames() + ")";
                return std::nullopt;
            }
        }
    }
    if (i >= argv.size()) {
        error = "no command given";
        return std::nullopt;
    }
    options.command = argv[i];
    options.args.assign(argv.begin() + static_cast<std::ptrdiff_t>(i) + 1, argv.end());
    return options;
}

}  // namespace vx::tune
