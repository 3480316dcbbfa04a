#include "tests/common/BackendConformance.h"

#include "common/RegistryCalls.h"

namespace vx {

void BackendConformance::SetUp()
{
    backend_ = GetParam().make();
    current_ = std::make_unique<ScopedRegistryBackend>(*backend_);
    DeleteScratchKeys();
}

void BackendConformance::TearDown()
{
    DeleteScratchKeys();
    current_.reset();
    backend_.reset();
}

std::string BackendConformance::Scratch(std::string_view relative)
{
    std::string path = kScratch;
    if (!relative.empty())
        path.append("\\").append(relative);
    return path;
}

void BackendConformance::DeleteScratchKeys()
{
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser}) {
        backend_->DeleteKey(root, kScratch);
        ASSERT_FALSE(backend_->KeyExists(root, kScratch)) << "scratch key left over";
    }
}

}  // namespace vx
