// Regions: banding as Windows keeps it, combining, hit tests, and RGNDATA both ways.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/Region.h"

namespace vx::ui {
namespace {

using Rects = std::vector<Rect>;

std::string Describe(const Rects& rects)
{
    std::string s;
    for (const Rect& r : rects)
        s += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
             std::to_string(r.bottom) + ")";
    return s;
}

struct BandCase {
    const char* name;
    Rects input;
    Rects banded;
};

TEST(RegionBands, FromRectanglesGivesWindowsBands)
{
    const std::vector<BandCase> cases = {
        {"single", {{0, 0, 10, 10}}, {{0, 0, 10, 10}}},
        {"empty ones dropped", {{0, 0, 0, 10}, {5, 5, 4, 9}}, {}},
        {"touching in a band merge", {{5, 0, 10, 5}, {0, 0, 5, 5}}, {{0, 0, 10, 5}}},
        {"identical bands merge", {{0, 5, 10, 8}, {0, 0, 10, 5}}, {{0, 0, 10, 8}}},
        {"gap keeps two", {{0, 0, 4, 5}, {6, 0, 10, 5}}, {{0, 0, 4, 5}, {6, 0, 10, 5}}},
        {"overlap splits into bands",
         {{0, 0, 10, 10}, {5, 5, 15, 15}},
         {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
        {"band order top to bottom, left to right",
         {{6, 4, 9, 6}, {0, 0, 2, 2}, {3, 4, 5, 6}},
         {{0, 0, 2, 2}, {3, 4, 5, 6}, {6, 4, 9, 6}}},
    };
    for (const BandCase& c : cases) {
        const Region r = Region::FromRectangles(c.input);
        EXPECT_EQ(Describe(r.Rectangles()), Describe(c.banded)) << c.name;
    }
}

struct CombineCase {
    RegionOp op;
    const char* name;
    Rects expected;
};

TEST(RegionCombine, EachModeOnOverlappingSquares)
{
    const Region a = Region::FromRect({0, 0, 10, 10});
    const Region b = Region::FromRect({5, 5, 15, 15});
    // Xor as CombineRgn gives it.
    const std::vector<CombineCase> cases = {
        {RegionOp::And, "and", {{5, 5, 10, 10}}},
        {RegionOp::Or, "or", {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
        {RegionOp::Xor, "xor", {{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}},
        {RegionOp::Diff, "diff", {{0, 0, 10, 5}, {0, 5, 5, 10}}},
        {RegionOp::Copy, "copy", {{0, 0, 10, 10}}},
    };
    for (const CombineCase& c : cases)
        EXPECT_EQ(Describe(Region::Combine(a, b, c.op).Rectangles()), Describe(c.expected)) << c.name;
}

TEST(RegionCombine, DisjointAndDifferenceToNothing)
{
    const Region a = Region::FromRect({0, 0, 4, 4});
    const Region b = Region::FromRect({10, 10, 14, 14});
    EXPECT_TRUE(Region::Combine(a, b, RegionOp::And).IsEmpty());
    EXPECT_TRUE(Region::Combine(a, a, RegionOp::Diff).IsEmpty());
    EXPECT_TRUE(Region::Combine(a, a, RegionOp::Xor).IsEmpty());
    EXPECT_EQ(Region::Combine(Region::Combine(a, b, RegionOp::Or), b, RegionOp::Diff), a);
}

TEST(RegionShapes, EllipseAndRoundRectAsGdiMakesThem)
{
    // Rectangle lists measured from CreateEllipticRgn / CreateRoundRectRgn.
    EXPECT_EQ(Describe(Region::FromEllipse({0, 0, 10, 10}).Rectangles()),
              Describe({{3, 0, 6, 1}, {1, 1, 8, 3}, {0, 3, 9, 6}, {1, 6, 8, 8}, {3, 8, 6, 9}}));
    EXPECT_EQ(Describe(Region::FromEllipse({0, 0, 7, 5}).Rectangles()),
              Describe({{1, 0, 5, 1}, {0, 1, 6, 3}, {1, 3, 5, 4}}));
    EXPECT_EQ(Describe(Region::FromRoundRect({0, 0, 20, 10}, 6, 6).Rectangles()),
              Describe({{2, 0, 17, 1}, {1, 1, 18, 2}, {0, 2, 19, 7}, {1, 7, 18, 8}, {2, 8, 17, 9}}));
    EXPECT_EQ(Region::FromRoundRect({0, 0, 20, 10}, 0, 0), Region::FromRect({0, 0, 19, 9}));
    EXPECT_EQ(Region::FromRoundRect({0, 0, 20, 10}, 40, 40), Region::FromEllipse({0, 0, 20, 10}));
    EXPECT_TRUE(Region::FromEllipse({0, 0, 1, 1}).IsEmpty());
    EXPECT_EQ(Region::FromEllipse({0, 0, 2, 2}), Region::FromRect({0, 0, 1, 1}));
}

TEST(RegionHits, ContainsOffsetAndBounds)
{
    Region r = Region::FromRectangles(Rects{{0, 0, 10, 5}, {20, 0, 30, 5}});
    EXPECT_TRUE(r.Contains({0, 0}));
    EXPECT_TRUE(r.Contains({9, 4}));
    EXPECT_FALSE(r.Contains({10, 0}));
    EXPECT_FALSE(r.Contains({15, 2}));
    EXPECT_FALSE(r.Contains({5, 5}));
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 30, 5}));
    r.Offset(3, -2);
    EXPECT_TRUE(r.Contains({3, -2}));
    EXPECT_FALSE(r.Contains({2, -2}));
    EXPECT_EQ(r.Bounds(), (Rect{3, -2, 33, 3}));
    EXPECT_EQ(Region().Bounds(), Rect{});
    // The round button's hit test corner: outside the ellipse.
    const Region oval = Region::FromEllipse({0, 0, 78, 46});
    EXPECT_FALSE(oval.Contains({1, 1}));
    EXPECT_TRUE(oval.Contains({39, 23}));
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, size_t at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);  // the test hosts are little-endian
    return v;
}

TEST(RegionData, HeaderAndRectanglesInRgnDataLayout)
{
    const Region r = Region::FromRectangles(Rects{{1, 1, 10, 5}, {2, 5, 8, 9}});
    const std::vector<std::uint8_t> data = r.ToRgnData();
    ASSERT_EQ(data.size(), 32u + 2 * 16u);
    EXPECT_EQ(U32At(data, 0), 32u);      // dwSize
    EXPECT_EQ(U32At(data, 4), 1u);       // iType RDH_RECTANGLES
    EXPECT_EQ(U32At(data, 8), 2u);       // nCount
    EXPECT_EQ(U32At(data, 12), 32u);     // nRgnSize
    EXPECT_EQ(U32At(data, 16), 1u);      // rcBound
    EXPECT_EQ(U32At(data, 20), 1u);
    EXPECT_EQ(U32At(data, 24), 10u);
    EXPECT_EQ(U32At(data, 28), 9u);
    EXPECT_EQ(U32At(data, 48), 2u);      // second rectangle
    EXPECT_EQ(U32At(data, 60), 9u);
    const std::optional<Region> back = Region::FromRgnData(data);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, r);
    EXPECT_EQ(Region().ToRgnData().size(), 32u);
    EXPECT_TRUE(Region::FromRgnData(Region().ToRgnData())->IsEmpty());
}

TEST(RegionData, TwentyOneRectanglesTake368Bytes)
{
    Rects stairs;
    for (int i = 0; i < 21; ++i)
        stairs.push_back({i, i, 100 - i, i + 1});
    const Region r = Region::FromRectangles(stairs);
    ASSERT_EQ(r.Rectangles().size(), 21u);
    EXPECT_EQ(r.ToRgnData().size(), 368u);
}

TEST(RegionData, MalformedBuffersGiveNoRegion)
{
    const std::vector<std::uint8_t> good = Region::FromRect({0, 0, 5, 5}).ToRgnData();
    auto with = [&](size_t at, std::uint32_t value) {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + at, &value, 4);
        return bytes;
    };
    struct Bad {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Bad> cases = {
        {"empty", {}},
        {"short header", std::vector<std::uint8_t>(good.begin(), good.begin() + 31)},
        {"truncated rectangle", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
        {"wrong header size", with(0, 40)},
        {"wrong type", with(4, 2)},
        {"count past the end", with(8, 2)},
        {"count that wraps", with(8, 0x10000000)},
        {"huge count", with(8, 0xFFFFFFFF)},
    };
    for (const Bad& c : cases)
        EXPECT_FALSE(Region::FromRgnData(c.bytes).has_value()) << c.name;
}

TEST(RegionData, UnbandedRectanglesAreNormalised)
{
    Region overlapping = Region::FromRect({0, 0, 10, 10});
    std::vector<std::uint8_t> bytes = overlapping.ToRgnData();
    // A second, overlapping rectangle appended by hand, and trailing bytes.
    bytes[8] = 2;
    for (int v : {5, 5, 15, 15})
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    bytes.push_back(0xAB);
    const std::optional<Region> r = Region::FromRgnData(bytes);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, Region::FromRectangles(Rects{{0, 0, 10, 10}, {5, 5, 15, 15}}));
}

// 64 KB of staggered rectangles once became 16 million rectangles, 750 MB and 6 s:
// every rectangle reaches into every band of the others. Such data is refused
// by the number of pieces it would cut into, which is counted before any work.
TEST(RegionData, DataThatWouldCutIntoTooManyPiecesGivesNoRegion)
{
    Rects staggered;
    for (int i = 0; i < 2048; ++i)
        staggered.push_back({2 * i, i, 2 * i + 1, i + 2048});
    const std::vector<std::uint8_t> data = [&] {
        std::vector<std::uint8_t> bytes = Region::FromRect({0, 0, 1, 1}).ToRgnData();
        bytes.resize(32);
        const auto count = static_cast<std::uint32_t>(staggered.size());
        std::memcpy(bytes.data() + 8, &count, 4);
        for (const Rect& r : staggered)
            for (int v : {r.left, r.top, r.right, r.bottom})
                for (int i = 0; i < 4; ++i)
                    bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return bytes;
    }();
    EXPECT_FALSE(Region::FromRgnData(data).has_value());
    EXPECT_FALSE(Region::FromRectangles(staggered, Region::MaxRgnDataPieces).has_value());

    // Banded data is never cut further: a region of 20,000 rectangles loads.
    Rects stairs;
    for (int i = 0; i < 20000; ++i)
        stairs.push_back({i % 7, i, 10 + i % 5, i + 1});
    const Region big = Region::FromRectangles(stairs);
    const std::optional<Region> back = Region::FromRgnData(big.ToRgnData());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, big);
}

}  // namespace
}  // namespace vx::ui
