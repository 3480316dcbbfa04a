#pragma once
#include "package/PackageReader.h"

namespace vx::package {

// Where the files go: the temporary directory on Windows, anything in tests.
class PackageTarget {
public:
    // Writes the whole file; false when it cannot be written in full.
    virtual bool Write(const PackageEntry& entry) = 0;
    virtual void Remove(const PackageEntry& entry) = 0;

protected:
    ~PackageTarget() = default;
};

enum class UnpackResult {
    Written,
    Damaged,     // nothing written
    NotWritten,  // `failed` could not be written; the files before it are removed again
};

struct UnpackOutcome {
    UnpackResult result = UnpackResult::Damaged;
    PackageEntry failed;
};

UnpackOutcome Unpack(const PackageReader& reader, PackageTarget& target);

}  // namespace vx::package
