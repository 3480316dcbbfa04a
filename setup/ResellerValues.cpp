#include "setup/ResellerValues.h"

#include "common/DecimalText.h"
#include "common/RegistryCalls.h"
#include "common/TextScrambling.h"
#include "engine/vxRegistryKeys.h"
#include "setup/ResellerTable.h"
#include "setup/SetupState.h"

namespace vx::setup {
namespace {

bool IsPartner(int32_t number) { return number >= -5 && number <= -2; }
bool IsPlainResellerNumber(int32_t number) { return number >= 1 && number <= 99999; }

void WriteScrambled(std::string_view name, const std::string& plain)
{
    SetRegistryValue(RegRoot::LocalMachine, ProductKey, true, RegistryValue::String(ScrambleText(PartnerKey, plain)),
                     name, RegValueKind::String);
}

}  // namespace

ResellerValues ResellerValuesFor(int32_t resellerNumber)
{
    ResellerValues values;
    if (const ResellerRow* row = FindResellerByNumber(resellerNumber); row && IsPartner(resellerNumber)) {
        values.rr = row->homePage;
        values.rt = row->supportContact;
    }
    if (IsPlainResellerNumber(resellerNumber))
        values.rc = " - " + FormatDecimal(resellerNumber);
    values.rn = FormatDecimal(resellerNumber);
    return values;
}

void WriteResellerValues()
{
    const ResellerValues values = ResellerValuesFor(setupState.resellerNumber);
    WriteScrambled("rc", values.rc);
    WriteScrambled("rr", values.rr);
    WriteScrambled("rt", values.rt);
    WriteScrambled("rn", values.rn);
}

}  // namespace vx::setup
