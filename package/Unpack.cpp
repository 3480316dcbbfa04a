#include "package/Unpack.h"

namespace vx::package {

UnpackOutcome Unpack(const PackageReader& reader, PackageTarget& target)
{
    UnpackOutcome outcome;
    if (!reader.IsSound()) {
        return outcome;
    }
    for (std::uint32_t i = 0; i < reader.Count(); ++i) {
        const PackageEntry entry = reader.At(i);
        if (!target.Write(entry)) {
            // A half set would start a setup that fails later; leave the directory as it was.
            target.Remove(entry);
            for (std::uint32_t j = 0; j < i; ++j) {
                target.Remove(reader.At(j));
            }
            outcome.result = UnpackResult::NotWritten;
            outcome.failed = entry;
            return outcome;
        }
    }
    outcome.result = UnpackResult::Written;
    return outcome;
}

}  // namespace vx::package
