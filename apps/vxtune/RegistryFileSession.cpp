#include "apps/vxtune/RegistryFileSession.h"

#include "common/RegFile.h"

namespace vx::tune {

RegistryFileSession::RegistryFileSession(std::string path) : path_(std::move(path)) {}

RegistryFileSession::~RegistryFileSession() = default;

std::optional<std::string> RegistryFileSession::Load()
{
    if (auto error = LoadRegFile(registry_, path_))
        return error;
    loaded_ = FormatRegedit4(registry_);
    scope_ = std::make_unique<ScopedRegistryBackend>(registry_);
    return std::nullopt;
}

std::optional<std::string> RegistryFileSession::SaveIfChanged()
{
    // Comparing the text leaves a file that was only read byte for byte as it was.
    if (FormatRegedit4(registry_) == loaded_)
        return std::nullopt;
    return SaveRegFile(registry_, path_);
}

}  // namespace vx::tune
