// The texts the package carries: their format limits, the help page's coverage
// and that the maker's identification files name the maker's own download.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"
#include "setup/DistributionIds.h"
#include "setup/ResellerNumber.h"
#include "setup/ResellerTable.h"

namespace vx {
namespace {

const std::string DistDir = std::string(VX_SOURCE_DIR) + "/dist/";

std::string ReadDist(const std::string& name)
{
    std::ifstream file(DistDir + name, std::ios::binary);
    EXPECT_TRUE(file.good()) << name;
    return {std::istreambuf_iterator<char>(file), {}};
}

// The lines of a CRLF text; a bare CR or LF is reported as a fault.
std::vector<std::string> CrlfLines(const std::string& text, std::vector<std::string>& faults)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.push_back(line);
            line.clear();
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            faults.push_back("bare line break after \"" + line + "\"");
        } else {
            line.push_back(text[i]);
        }
    }
    if (!line.empty()) {
        faults.push_back("no line break after the last line");
    }
    return lines;
}

struct Limits {
    const char* file;
    std::size_t maxLines;
    std::size_t maxColumns;
};

TEST(DistributionTexts, KeepTheirFormatLimits)
{
    const Limits limits[] = {
        {"readme.txt", 100000, 78},
        {"file_id.diz", 10, 45},  // the description-file convention of upload sites
    };
    for (const Limits& limit : limits) {
        SCOPED_TRACE(limit.file);
        std::vector<std::string> faults;
        const auto lines = CrlfLines(ReadDist(limit.file), faults);
        EXPECT_EQ(faults, std::vector<std::string>{});
        EXPECT_LE(lines.size(), limit.maxLines);
        EXPECT_FALSE(lines.empty());
        for (const std::string& line : lines) {
            EXPECT_LE(line.size(), limit.maxColumns) << line;
            for (char c : line) {
                EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain ASCII in: " << line;
            }
        }
    }
}

std::string Upper(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

TEST(HelpPage, NamesEveryAdvancedParameterWithWhatIsWrittenOnBothFamilies)
{
    const std::string help = ReadDist("vlxhelp.htm");
    struct Parameter {
        const char* caption;  // the advanced page's group
        std::string_view value9x;
        std::string_view valueNT;
    } parameters[] = {
        {"Maximum Transfer Unit (MTU)", MaxMtuValue, MaxMtuValue},
        {"Condition of the Line", "", ""},
        {"PMTU Auto Discovery", PmtuDiscoveryValue9x, PmtuDiscoveryValueNT},
        {"NDI Cache Size (NWLink)", NdiCacheSizeValue, NdiCacheSizeValue},
        {"TCPWindowSize (RWIN)", ReceiveWindowValue9x, ReceiveWindowValueNT},
        {"Time To Live (TTL)", DefaultTtlValue, DefaultTtlValue},
        {"Session Keep Alive", SessionKeepAliveValue, SessionKeepAliveValue},
        {"Black Hole Detect", PmtuBlackHoleDetectValue9x, PmtuBlackHoleDetectValueNT},
        {"SACK (Selective Acknowledge)", SackOptsValue, SackOptsValue},
        {"TcpMaxDupAcks", TcpMaxDupAcksValue, TcpMaxDupAcksValue},
    };
    for (const Parameter& p : parameters) {
        const auto heading = help.find(std::string("<H3>") + p.caption + "</H3>");
        ASSERT_NE(heading, std::string::npos) << p.caption;
        const auto section = help.substr(heading, help.find("<H3>", heading + 4) - heading);
        for (const char* part : {"What it is:", "Choices:", "When to use it:", "What is written:"}) {
            EXPECT_NE(section.find(part), std::string::npos) << p.caption << ": " << part;
        }
        for (std::string_view value : {p.value9x, p.valueNT}) {
            if (!value.empty()) {
                EXPECT_NE(section.find("<TT>" + std::string(value) + "</TT>"), std::string::npos)
                    << p.caption << ": " << value;
            }
        }
    }
    for (std::string_view value : {Tcp1323OptsValue, BsdUrgentValue, IpMtuValue}) {
        EXPECT_NE(help.find("<TT>" + std::string(value) + "</TT>"), std::string::npos) << value;
    }
}

TEST(HelpPage, HasTheTopicsAUserLooksFor)
{
    const std::string help = ReadDist("vlxhelp.htm");
    for (const char* text : {"Restore Original Settings", "Reboot Now", "Reboot Later", "Uninstall",
                             "No connection after a restart", "Cable Modem", "Dialup Modem",
                             "Change Settings in Velocitrex", "unvlx.exe /S"}) {
        EXPECT_NE(help.find(text), std::string::npos) << text;
    }
}

TEST(HelpPage, EveryLinkInsideThePageHasItsAnchor)
{
    const std::string help = ReadDist("vlxhelp.htm");
    std::set<std::string> anchors;
    const std::regex name(R"re(<A NAME="([^"]+)">)re");
    for (std::sregex_iterator i(help.begin(), help.end(), name), end; i != end; ++i) {
        EXPECT_TRUE(anchors.insert((*i)[1]).second) << "anchor twice: " << (*i)[1];
    }
    const std::regex link(R"re(<A HREF="#([^"]+)">)re");
    std::size_t links = 0;
    for (std::sregex_iterator i(help.begin(), help.end(), link), end; i != end; ++i, ++links) {
        EXPECT_EQ(anchors.count((*i)[1]), 1u) << "no anchor for #" << (*i)[1];
    }
    EXPECT_GT(links, anchors.size() / 2);  // a table of contents, not a stray link
}

TEST(HelpPage, UsesOnlyWhatInternetExplorer3Renders)
{
    // HTML 3.2 elements; style sheets, scripts and later elements show as text or not at all.
    const std::set<std::string> known = {"!DOCTYPE", "HTML", "HEAD", "TITLE", "BODY", "FONT", "A", "H1", "H2",
                                         "H3", "P", "UL", "LI", "HR", "TABLE", "TR", "TH", "TD", "B", "I",
                                         "TT", "DL", "DT", "DD", "BR"};
    const std::string help = ReadDist("vlxhelp.htm");
    const std::regex tag(R"(<\/?([!A-Za-z0-9]+))");
    for (std::sregex_iterator i(help.begin(), help.end(), tag), end; i != end; ++i) {
        EXPECT_EQ(known.count(Upper((*i)[1])), 1u) << (*i)[0];
    }
    EXPECT_EQ(Upper(help).find("STYLE="), std::string::npos);
    for (unsigned char c : help) {
        EXPECT_TRUE(c < 0x80) << "use entities, not 8-bit characters";
    }
}

TEST(MakersIdentificationFiles, NameTheMakersOwnDownload)
{
    EXPECT_EQ(setup::ReadResellerNumber(DistDir), setup::ResellerTable()[0].number);
    EXPECT_NE(setup::ResellerTable()[0].number, 0);  // the maker's row, not an unread file

    MemoryRegistry registry;
    ScopedRegistryBackend scoped{registry};
    setup::ReadDistributionIds(DistDir);
    EXPECT_FALSE(RegValueExists(RegRoot::LocalMachine, std::string(ProductKey), "sid"));
    for (const char* name : {"cd", "dcc", "drc", "disp"}) {
        EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, std::string(ProductKey), RegValueKind::String, name)
                      .AsString(),
                  "")
            << name;
    }
    EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, std::string(MakerKey), RegValueKind::String, "mo").AsString(), "");
}

}  // namespace
}  // namespace vx
