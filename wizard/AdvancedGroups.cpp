#include "wizard/AdvancedGroups.h"

#include <array>

namespace vx::wizard {

namespace {

constexpr std::string_view ExperimentHint = "Experiment to see how this works for you.";
constexpr std::string_view HigherModemHint = "Some modems prefer a higher setting.";

// The manual buttons' value is a placeholder: their figure comes from an entry.
constexpr AdvancedButton MtuButtons[] = {
    {"rbtnMTUDefault", "Default Setting", "", 0},
    {"rbtnMTU576", "576 (most modems)", HigherModemHint, 576},
    {"rbtnMTU1400", "1400 Some Dell Systems", "Some Dell systems require this special setup.", 1400},
    {"rbtnMTU1454", "1454 Cisco PPPOE with ICS",
     "In some situations, even this is too large for PPPOE with ICS (Internet Connection Sharing)", 1454},
    {"rbtnMTU1492", "1492 Cisco PPPOE", "Point-to-Point Protocol over Ethernet.  IEEE 802.2, 802.3", 1492},
    {"rbtnMTU1500", "1500 (Most LANs)", "Local Area Network standard setting.", 1500},
    {"rbtnMTU4464", "4464 (IEEE 802.5 LAN)",
     "This is also useful for FDDI (Fiber Distributed Data Interface) networks.", 4464},
    {"rbtnMTU8166", "8166 Token Bus IEEE 802.4", "", 8166},
    {"rbtnMTU17914", "17914 (16 MHz token ring)", "", 17914},
    {"rbtnMTU65535", "65535 Hyperchannel", "", 65535},
    {"rbtnMTUManual", "Manual Setting", ExperimentHint, -1},
};
constexpr AdvancedButton LineButtons[] = {
    {"rbtnLineGood", "Good", "", 1},
    {"rbtnLineBad", "Bad", "", 0},
};
constexpr AdvancedButton RwinButtons[] = {
    {"rbtnRWINDefault", "Default Setting", "May be best: some Windows systems change this on the fly.", 4},
    {"rbtnRWIN4", "4 x MSS", "This is often used.", 4},
    {"rbtnRWIN6", "6 x MSS", "", 6},
    {"rbtnRWIN8", "8 x MSS", "Caution: Bigger is not always better.", 8},
    {"rbtnRWIN10", "10 x MSS", "Caution: Bigger is not always better.", 10},
    {"rbtnRWINManual", "Manual Setting", "", -1},
};
constexpr AdvancedButton NdiButtons[] = {
    {"rbtnNDIDefault", "Default Setting", "", 0},
    {"rbtnNDI16", "16 (if MTU is 576 or below)", "", 16},
    {"rbtnNDI32", "32 (higher than 576)", "", 32},
};
constexpr AdvancedButton SackButtons[] = {
    {"rbtnSackOptEnable", "Enable", "", 1},
    {"rbtnSackOptDisable", "Disable", "", 0},
};
constexpr AdvancedButton PmtuButtons[] = {
    {"rbtnMTUAutoYes", "YES (recommended)", "Internet nodes NORMALLY cooperate to determine the best setting here.", 1},
    {"rbtnMTUAutoNo", "NO", "Useful when you suspect a distant node fails to handle the Auto Discover procedure.", 0},
};
constexpr AdvancedButton SkaButtons[] = {
    {"rbtnSKADefault", "Default Setting", "", 3600000},
    {"rbtnSKA10", "10 mins (recommended)", "", 10},
    {"rbtnSKA60", "60 minutes", HigherModemHint, 60},
    {"rbtnSKAManual", "Manual Setting", ExperimentHint, -1},
};
constexpr AdvancedButton TtlButtons[] = {
    {"rbtnTTLDefault", "Default Setting (32)",
     "Normally enough.  You may see a few failures to reach your target sites.", 32},
    {"rbtnTTL64", "64 (better)", "", 64},
    {"rbtnTTL128", "128 (plenty)", "This should be MORE than enough.", 128},
};
constexpr AdvancedButton DupAckButtons[] = {
    {"rbtnTCPMaxDupsYes", "Default Setting", "", 2},
    {"rbtnTCPMaxDupsNo", "Manual Setting", "", -1},
};
constexpr AdvancedButton BlackHoleButtons[] = {
    {"rbtnBlackHoleYes", "YES ", "", 1},
    {"rbtnBlackHoleNo", "NO (recommended)",
     "Many vendors sell routers that discard IP datagrams.  Use only if required.", 0},
};

constexpr std::array<AdvancedGroupInfo, AdvancedGroupCount> Groups = {{
    {"gboxMTU", "Maximum Transfer Unit (MTU)", "", MtuButtons},
    {"GroupBox1", " Condition of the Line ", "", LineButtons},
    {"gboxRWIN", "TCPWindowSize (RWIN)", "RWIN - relates to MTU", RwinButtons},
    {"gboxNDI", " NDI Cache Size (NWLink)", "", NdiButtons},
    {"gboxSackOpts", "SACK (Selective Acknowledge)", "", SackButtons},
    {"gboxAutoDiscovery", " PMTU Auto Discovery ", "", PmtuButtons},
    {"gboxSKA", " Session Keep Alive ", "", SkaButtons},
    {"gboxTTL", " Time To Live (TTL) ", "Maximum number of \"hops\" to get to your destination.", TtlButtons},
    {"gboxTcpMaxDups", "TcpMaxDupAcks", "", DupAckButtons},
    {"gboxBlackHole", " Black Hole Detect  ", "", BlackHoleButtons},
}};

}  // namespace

const AdvancedGroupInfo& GroupInfo(AdvancedGroup group) { return Groups[static_cast<std::size_t>(group)]; }

bool FindAdvancedButton(std::string_view name, AdvancedGroup& group, int& index)
{
    for (std::size_t g = 0; g < Groups.size(); ++g) {
        const auto& buttons = Groups[g].buttons;
        for (std::size_t b = 0; b < buttons.size(); ++b) {
            if (buttons[b].name == name) {
                group = static_cast<AdvancedGroup>(g);
                index = static_cast<int>(b);
                return true;
            }
        }
    }
    return false;
}

}  // namespace vx::wizard
