#include <gtest/gtest.h>

#include "common/PlatformKind.h"
#include "platform/host/HostVersionQuery.h"

namespace vx {
namespace {

using platform::OsVersion;

struct DetectCase {
    std::optional<OsVersion> version;  // nullopt: the query fails
    PlatformKind before;
    PlatformKind expected;
};

TEST(DetectPlatform, MapsTheVersionRecordAndKeepsTheCodeForUnlistedVersions)
{
    using P = PlatformKind;
    const DetectCase cases[] = {
        {OsVersion{3, 51, 2}, P::Unknown, P::WindowsNT},   {OsVersion{3, 10, 0}, P::Unknown, P::WindowsNT},
        {OsVersion{4, 0, 1}, P::Unknown, P::Windows95},    {OsVersion{4, 0, 2}, P::Unknown, P::WindowsNT},
        {OsVersion{4, 0, 0}, P::Unknown, P::Unknown},      {OsVersion{4, 0, 0}, P::Windows98, P::Windows98},
        {OsVersion{4, 10, 1}, P::Unknown, P::Windows98},   {OsVersion{4, 10, 2}, P::Unknown, P::Windows98},
        {OsVersion{4, 51, 1}, P::Unknown, P::WindowsNT},   {OsVersion{4, 90, 1}, P::Unknown, P::WindowsMe},
        {OsVersion{4, 3, 1}, P::Unknown, P::Unknown},      {OsVersion{5, 0, 2}, P::Unknown, P::Windows2000},
        {OsVersion{5, 1, 2}, P::Windows95, P::WindowsXP},  {OsVersion{5, 2, 2}, P::Unknown, P::Unknown},
        {OsVersion{5, 2, 2}, P::WindowsXP, P::WindowsXP},  {OsVersion{6, 0, 2}, P::Unknown, P::Unknown},
        {OsVersion{6, 1, 2}, P::Windows2000, P::Windows2000}, {std::nullopt, P::Unknown, P::Unknown},
        {std::nullopt, P::WindowsMe, P::WindowsMe},
    };
    platform::HostVersionQuery query;
    platform::ScopedService<platform::VersionQuery> useQuery(query);
    for (const auto& c : cases) {
        ScopedPlatformKind start(c.before);
        query.Set(c.version);
        std::string label = c.version ? std::to_string(c.version->major) + "." + std::to_string(c.version->minor) +
                                            " platform " + std::to_string(c.version->platformId)
                                      : "failed query";
        EXPECT_EQ(DetectPlatform(), c.expected) << label;
        EXPECT_EQ(CurrentPlatformKind(), c.expected) << label;
    }
}

TEST(DetectPlatform, OnlyThe9xCodesSelectThe9xLayout)
{
    const std::pair<PlatformKind, bool> cases[] = {
        {PlatformKind::Unknown, false},   {PlatformKind::Windows95, true},   {PlatformKind::Windows98, true},
        {PlatformKind::WindowsMe, true},  {PlatformKind::WindowsNT, false},  {PlatformKind::Windows2000, false},
        {PlatformKind::WindowsXP, false},
    };
    for (const auto& [kind, is9x] : cases) {
        ScopedPlatformKind scoped(kind);
        EXPECT_EQ(IsWin9xFamily(), is9x) << PlatformKindName(kind);
    }
}

}  // namespace
}  // namespace vx
