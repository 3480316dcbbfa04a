#include "apps/vxtune/Command.h"
#include "dispatcher/DispPage.h"
#include "dispatcher/PartnerValues.h"
#include "platform/FileSystem.h"
#include "setup/DistributionIds.h"
#include "setup/ResellerNumber.h"
#include "setup/ResellerValues.h"
#include "setup/SetupState.h"

namespace vx::tune {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// The setup passes directories with their separator at the end.
std::string WithTrailingSeparator(std::string directory)
{
    if (!directory.empty() && directory.back() != '\\' && directory.back() != '/')
        directory += kSeparator;
    return directory;
}

int PrintUrl(CommandContext& c)
{
    dispatcher::LoadPartnerValues();
    c.out << dispatcher::DispPageAddress(c.args[0], dispatcher::RunningProgramVersion()) << "\n";
    return ExitOk;
}

// What the setup does with a package's identification files.
int ReadDistribution(CommandContext& c)
{
    if (platform::Files().Kind(c.args[0]) != platform::PathKind::Directory) {
        c.err << "vxtune: " << c.args[0] << " is not a directory\n";
        return ExitFailure;
    }
    const std::string directory = WithTrailingSeparator(c.args[0]);
    setup::ReadDistributionIds(directory);
    setup::LoadResellerNumber(directory);
    setup::WriteResellerValues();
    c.out << setup::setupState.resellerNumber << "\n";
    return ExitOk;
}

}  // namespace

std::vector<Command> LinkCommands()
{
    return {
        {"url", "PAGECODE", 1, 1, PrintUrl},
        {"distribution", "DIR", 1, 1, ReadDistribution},
    };
}

}  // namespace vx::tune
