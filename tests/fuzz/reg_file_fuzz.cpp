// .reg files: whatever the reader takes, the writer saves, and the saved text
// loads back to the same registry and saves to the same text, within the size
// the depth bound allows (512 times the file). A refused file leaves the registry as it was.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/RegFile.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

constexpr vx::RegRoot kRoots[] = {vx::RegRoot::LocalMachine, vx::RegRoot::CurrentUser, vx::RegRoot::ClassesRoot,
                                  vx::RegRoot::Users, vx::RegRoot::CurrentConfig};

bool SameRegistry(const vx::MemoryRegistry& a, const vx::MemoryRegistry& b)
{
    for (vx::RegRoot root : kRoots)
        if (!(a.Root(root) == b.Root(root)))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vx::fuzz::Check;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vx::MemoryRegistry loaded;
    if (vx::ApplyRegText(loaded, bytes, "f.reg")) {
        Check(SameRegistry(loaded, vx::MemoryRegistry()), "a refused file changed the registry");
        return 0;
    }
    Check(!vx::HoldsUnwritableName(loaded), "a loaded registry cannot be saved");
    const std::string text = vx::FormatRegedit4(loaded);
    Check(text.size() <= 512 * size + 64, "the saved text outgrew the depth bound");
    vx::MemoryRegistry again;
    Check(!vx::ApplyRegText(again, text, "saved.reg"), "the saved text does not load");
    Check(SameRegistry(again, loaded), "the saved text loads to another registry");
    Check(vx::FormatRegedit4(again) == text, "saving twice gives another text");
    return 0;
}
