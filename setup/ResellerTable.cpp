#include "setup/ResellerTable.h"

#include <array>

namespace vx::setup {
namespace {

constexpr std::array<ResellerRow, 5> rows{{
    {"qvx", NoReseller, "", ""},
    {"nbl", -4, "http://www.nimbulink.example/", "support@nimbulink.example"},
    {"bcn", -3, "http://www.beaconsoft.example/", "help@beaconsoft.example"},
    {"tdw", -5, "http://www.tidewire.example/", "care@tidewire.example"},
    {"ksp", -2, "http://www.kestrelpc.example/", "mailto:support@kestrelpc.example"},
}};

}  // namespace

std::span<const ResellerRow> ResellerTable() { return rows; }

const ResellerRow* FindResellerByCode(std::string_view code)
{
    for (const ResellerRow& row : rows)
        if (row.code == code)
            return &row;
    return nullptr;
}

const ResellerRow* FindResellerByNumber(int32_t number)
{
    for (const ResellerRow& row : rows)
        if (row.number == number)
            return &row;
    return nullptr;
}

}  // namespace vx::setup
