#include "apps/vxSetup/sim/DrivesAndDisk.h"

namespace vx::setup::sim {

// Between the drives and the disk nothing moves: the simulated machine is closed.
bool DrivesAndDisk::Rename(const std::string& from, const std::string& to)
{
    return OnDrive(from) == OnDrive(to) && For(from).Rename(from, to);
}

bool DrivesAndDisk::Copy(const std::string& from, const std::string& to)
{
    return OnDrive(from) == OnDrive(to) && For(from).Copy(from, to);
}

}  // namespace vx::setup::sim
