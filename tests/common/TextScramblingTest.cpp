#include "common/TextScrambling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

std::string Bytes(std::vector<int> values)
{
    std::string text;
    for (int v : values)
        text.push_back(static_cast<char>(v));
    return text;
}

// Worked out by hand: the seed of "Lantern!" is 757; the generator then gives
// 3241042634, 388503027, 1722923456, 1933549761, so the shifts are 75, 9, 40, 45.
struct Vector {
    const char* what;
    std::string key;
    std::string plain;
    std::string stored;
};

const Vector kVectors[] = {
    {"empty text stays empty", "Lantern!", "", ""},
    {"leading ? shifted by 75", "Lantern!", "A", Bytes({63 + 75, 65 + 9})},
    {"reseller -1", "Lantern!", "-1", Bytes({138, 45 + 9, 49 + 40})},
    {"reseller 4711", "Lantern!", "4711", Bytes({138, 52 + 9, 55 + 40, 49 + 45, 49 + 11})},
    {"sum wraps modulo 256", "Lantern!", "\xFF\xFF", Bytes({138, (255 + 9) % 256, (255 + 40) % 256})},
    // Only the key's byte sum counts.
    {"same byte sum, same seed", "!Lantern", "-1", Bytes({138, 54, 89})},
    {"empty key seeds 0", "", "a", Bytes({63 + 0, 97 + 3})},
};

TEST(TextScrambling, MatchesHandComputedVectors)
{
    for (const Vector& v : kVectors) {
        EXPECT_EQ(ScrambleText(v.key, v.plain), v.stored) << v.what;
        EXPECT_EQ(UnscrambleText(v.key, v.stored), v.plain) << v.what;
    }
}

TEST(TextScrambling, RoundTripsManyTexts)
{
    std::string printable;
    for (int c = 32; c <= 126; ++c)
        printable.push_back(static_cast<char>(c));
    std::vector<std::string> texts = {"?", "??", "-4", "100000", " - 4711", "mailto:a@b.example", printable};
    for (size_t length = 1; length <= 300; length += 7)
        texts.push_back(printable.substr(0, length % printable.size()) + std::string(length, 'z'));
    std::string allBytes;
    for (int c = 0; c < 256; ++c)
        allBytes.push_back(static_cast<char>(c));
    texts.push_back(allBytes);

    for (const std::string& key : {std::string("Lantern!"), std::string("other key"), std::string()})
        for (const std::string& text : texts) {
            std::string stored = ScrambleText(key, text);
            EXPECT_EQ(stored.size(), text.size() + 1);
            EXPECT_EQ(UnscrambleText(key, stored), text) << key << " / " << text;
        }
}

TEST(TextScrambling, PrintableTextsStoreWithoutZeroBytes)
{
    std::string printable;
    for (int c = 32; c <= 126; ++c)
        printable.push_back(static_cast<char>(c));
    for (size_t start = 0; start < printable.size(); ++start) {
        std::string stored = ScrambleText(PartnerKey, printable.substr(start) + printable.substr(0, start));
        for (char c : stored) {
            auto byte = static_cast<unsigned char>(c);
            EXPECT_GE(byte, 32);
            EXPECT_LE(byte, 225);
        }
    }
}

TEST(TextScrambling, UnscrambleKeepsTextWithoutLeadingQuestionMark)
{
    // "A" shifted by 75 and "B" by 9 unscrambles to "AB": nothing is removed.
    EXPECT_EQ(UnscrambleText(PartnerKey, Bytes({65 + 75, 66 + 9})), "AB");
    // Only one "?" is dropped.
    EXPECT_EQ(UnscrambleText(PartnerKey, ScrambleText(PartnerKey, "?x")), "?x");
    EXPECT_EQ(UnscrambleText(PartnerKey, ""), "");
    // Scrambled with another key: not the plain text.
    EXPECT_NE(UnscrambleText(PartnerKey, ScrambleText("Lantern?", "-4")), "-4");
}

}  // namespace
}  // namespace vx
