#include "setup/ProductsPage.h"

#include <gtest/gtest.h>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "platform/host/HostShell.h"
#include "setup/DistributionIds.h"
#include "setup/SetupState.h"
#include "tests/setup/TempDirectory.h"

namespace vx::setup {
namespace {

TEST(ProductsPage, CarriesNoVersionNumbers)
{
    MemoryRegistry registry;
    ScopedRegistryBackend scoped(registry);
    EXPECT_EQ(ProductsPageAddress(-1), "http://www.quorvex.example/php/disp0201.php?pc=41609&rc=-1&ps=R&oc=6");
}

TEST(ProductsPage, IgnoresTheDispAndMoThatDefsIniSupplies)
{
    MemoryRegistry registry;
    ScopedRegistryBackend scoped(registry);
    test::TempDirectory dir;
    dir.Write("Defs.ini", "[Url]\ndisp=http://dist.example/\n[Affiliate]\nmo=aff\n[Identification]\ncd=a b\n");
    dir.Write("SID.txt", "17\n");
    ReadDistributionIds(dir.Prefix());
    EXPECT_EQ(ProductsPageAddress(4711),
              "http://www.quorvex.example/php/disp0201.php?pc=41609&rc=4711&cd=a%20b&sid=17&ps=R&oc=6");
}

TEST(ProductsPage, OpensTheAddressThroughTheShell)
{
    MemoryRegistry registry;
    ScopedRegistryBackend scoped(registry);
    platform::HostShell shell;
    platform::ScopedService<platform::Shell> scopedShell(shell);
    setupState.resellerNumber = -3;
    OpenProductsPage();
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].verb, "open");
    EXPECT_EQ(shell.Requests()[0].target, ProductsPageAddress(-3));
}

}  // namespace
}  // namespace vx::setup
