#include "setup/ResellerNumber.h"

#include "common/DecimalText.h"
#include "setup/ResellerTable.h"
#include "setup/SetupState.h"
#include "setup/TextFileLines.h"

namespace vx::setup {
namespace {

std::string AsciiLowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

int32_t ResellerNumberFromLine(std::string_view line)
{
    const std::string lower = AsciiLowerCase(line);
    int32_t number = DecimalOr(lower, NoReseller);
    if (number != NoReseller)
        return number;
    const ResellerRow* row = FindResellerByCode(lower);
    return row ? row->number : NoReseller;
}

int32_t ReadResellerNumber(const std::string& directory)
{
    auto lines = LoadTextLines(directory + "Reseller.txt");
    if (!lines || lines->empty())
        return NoReseller;
    return ResellerNumberFromLine(lines->front());
}

void LoadResellerNumber(const std::string& directory) { setupState.resellerNumber = ReadResellerNumber(directory); }

}  // namespace vx::setup
