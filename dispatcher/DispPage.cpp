#include "dispatcher/DispPage.h"

#include "common/DecimalText.h"
#include "common/DispatchAddress.h"
#include "dispatcher/PartnerValues.h"
#include "engine/vxRegistryKeys.h"
#include "platform/ProgramFile.h"
#include "platform/Shell.h"

namespace vx::dispatcher {

platform::FileVersionNumbers RunningProgramVersion()
{
    return platform::GetFileVersionNumbers(platform::RunningProgramFile());
}

std::string DispPageAddress(std::string_view pageCode, const platform::FileVersionNumbers& version)
{
    std::string address = BuildDispUrl(resellerNumber, ProductKey, ProductCode);
    AppendQueryPair(address, "ps", "R");
    // The release number is not sent.
    AppendQueryPair(address, "mjv", FormatDecimal(version.major));
    AppendQueryPair(address, "mnv", FormatDecimal(version.minor));
    AppendQueryPair(address, "bld", FormatDecimal(version.build));
    AppendQueryPair(address, "oc", pageCode);
    return address;
}

void OpenDispPage(std::string_view pageCode, const platform::FileVersionNumbers& version)
{
    platform::ShellOpen(DispPageAddress(pageCode, version));
}

}  // namespace vx::dispatcher
