#include "setup/DistributionIds.h"

#include <string_view>

#include "common/DecimalText.h"
#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"
#include "platform/FileSystem.h"
#include "platform/PrivateProfile.h"
#include "platform/ProgramFile.h"
#include "setup/TextFileLines.h"

namespace vx::setup {
namespace {

void WriteText(std::string_view keyPath, std::string_view name, const std::string& text)
{
    SetRegistryValue(RegRoot::LocalMachine, keyPath, true, RegistryValue::String(text), name, RegValueKind::String);
}

void ReadSidFile(const std::string& fileName)
{
    auto lines = LoadTextLines(fileName);
    if (!lines)
        return;
    int32_t sid = lines->empty() ? 0 : DecimalOr(lines->front(), -1);
    if (sid > 0)
        WriteText(ProductKey, "sid", FormatDecimal(sid));
}

void ReadDefsFile(const std::string& fileName)
{
    // A file that cannot be read is skipped as a missing one.
    if (!platform::Files().ReadAll(fileName))
        return;
    auto read = [&](const char* section, const char* key) {
        return platform::ReadProfileString(section, key, "", fileName);
    };
    const std::string cd = read("Identification", "cd");
    const std::string dcc = read("Distribution", "dcc");
    const std::string drc = read("Distribution", "drc");
    const std::string disp = read("Url", "disp");
    const std::string mo = read("Affiliate", "mo");
    // Empty texts are written too: a key missing from the file clears the value.
    WriteText(ProductKey, "cd", cd);
    WriteText(ProductKey, "dcc", dcc);
    WriteText(ProductKey, "drc", drc);
    WriteText(ProductKey, "disp", disp);
    WriteText(MakerKey, "mo", mo);
}

}  // namespace

void ReadDistributionIds(const std::string& directory)
{
    ReadSidFile(directory + "SID.txt");
    ReadDefsFile(directory + "Defs.ini");
}

void ReadDistributionIds()
{
    // Without the program's own directory the files would be looked for wherever we happen to be.
    const std::string directory = platform::DirectoryOf(platform::RunningProgramFile());
    if (!directory.empty())
        ReadDistributionIds(directory);
}

}  // namespace vx::setup
