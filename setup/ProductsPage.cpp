#include "setup/ProductsPage.h"

#include "common/DispatchAddress.h"
#include "engine/vxRegistryKeys.h"
#include "platform/Shell.h"
#include "setup/SetupState.h"

namespace vx::setup {

std::string ProductsPageAddress(int32_t resellerNumber)
{
    std::string address = BuildDispUrl(resellerNumber, ProductKey, ProductCode);
    AppendQueryPair(address, "ps", "R");
    AppendQueryPair(address, "oc", "6");
    return address;
}

void OpenProductsPage() { platform::ShellOpen(ProductsPageAddress(setupState.resellerNumber)); }

}  // namespace vx::setup
