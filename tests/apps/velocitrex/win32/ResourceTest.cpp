// The program's resources as Windows reads them from the file: the icon group
// drawn at build time (first in the file, so the shell shows it) and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
struct GroupHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

TEST(VelocitrexResources, IconGroupHoldsEverySizeAndDepth)
{
    const HMODULE self = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    ASSERT_NE(found, nullptr);
    const auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(self, found)));
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header->count, 6);
    const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
    std::vector<std::pair<int, int>> images;
    for (int i = 0; i < header->count; ++i)
        images.emplace_back(entries[i].width, entries[i].bits);
    EXPECT_EQ(images, (std::vector<std::pair<int, int>>{{16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}}));
}

TEST(VelocitrexResources, IconLoadsAtSmallAndLargeSize)
{
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        const HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0);
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
        BITMAP mask{};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, size);
        DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(VelocitrexResources, VersionIs4001)
{
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 4));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
}

}  // namespace
