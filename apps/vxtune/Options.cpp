#include "apps/vxtune/Options.h"

#include <utility>

#include "platform/host/OsVersionNames.h"

namespace vx::tune {

std::optional<platform::OsVersion> OsVersionByName(const std::string& name)
{
    return platform::OsVersionByName(name);
}

std::string OsVersionNames()
{
    return platform::OsVersionNames();
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
