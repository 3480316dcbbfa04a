#include <gtest/gtest.h>

#include "uninstall/WininitRenameList.h"

namespace vx::uninstall {
namespace {

TEST(WininitRenameList, AddsTheDeleteToTheRenameSectionAndKeepsEverythingElse)
{
    struct Case {
        const char* what;
        const char* before;
        const char* after;
    } cases[] = {
        {"no file yet", "", "[rename]\r\nNUL=C:\\WINDOWS\\UNVLX.EXE\r\n"},
        {"another program's delete stays: NUL= twice is the point",
         "[rename]\r\nNUL=C:\\TEMP\\OLD.DLL\r\n",
         "[rename]\r\nNUL=C:\\TEMP\\OLD.DLL\r\nNUL=C:\\WINDOWS\\UNVLX.EXE\r\n"},
        {"a rename of another program stays",
         "[Rename]\nC:\\WINDOWS\\SYSTEM\\A.DLL=C:\\WINDOWS\\SYSTEM\\A.NEW\n",
         "[Rename]\r\nC:\\WINDOWS\\SYSTEM\\A.DLL=C:\\WINDOWS\\SYSTEM\\A.NEW\r\nNUL=C:\\WINDOWS\\UNVLX.EXE\r\n"},
        {"section in the middle, blank line before the next",
         "[other]\r\nx=1\r\n\r\n[RENAME]\r\nNUL=C:\\A.TMP\r\n\r\n[last]\r\ny=2\r\n",
         "[other]\r\nx=1\r\n\r\n[RENAME]\r\nNUL=C:\\A.TMP\r\nNUL=C:\\WINDOWS\\UNVLX.EXE\r\n\r\n[last]\r\ny=2\r\n"},
        {"only other sections", "[other]\r\nx=1\r\n", "[other]\r\nx=1\r\n[rename]\r\nNUL=C:\\WINDOWS\\UNVLX.EXE\r\n"},
        {"blanks around the header", "  [rename]  \r\n", "  [rename]  \r\nNUL=C:\\WINDOWS\\UNVLX.EXE\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddDeleteToRenameList(c.before, "C:\\WINDOWS\\UNVLX.EXE"), c.after) << c.what;
    }
}

}  // namespace
}  // namespace vx::uninstall
