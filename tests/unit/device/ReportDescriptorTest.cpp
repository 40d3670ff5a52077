#include "core/device/ReportDescriptor.h"

#include "core/device/ReportDescriptorBuilder.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

using Bytes = std::vector<uint8_t>;
using Kind = ReportDescriptorBuilder::ReportKind;

std::vector<TopLevelCollection> parse(const Bytes& bytes)
{
    return parseReportDescriptor(bytes);
}

// A boot-protocol mouse: one collection (Generic Desktop, Mouse) with a
// nested physical collection, three button bits, five padding bits and two
// axis bytes, no report ids.
const Bytes kBootMouse
    = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15,
        0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x03, 0x05, 0x01,
        0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06, 0xC0, 0xC0};

// The two vendor collections of the mouse as it describes them: input
// report 6 with 7 data bytes, feature report 7 with 7 data bytes.
const Bytes kZ3Vendor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x06, 0x09, 0x01, 0x15, 0x00, 0x26,
    0xFF, 0x00, 0x75, 0x08, 0x95, 0x07, 0x81, 0x02, 0xC0, 0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85,
    0x07, 0x09, 0x01, 0x95, 0x07, 0xB1, 0x02, 0xC0};

TEST(ReportDescriptor, CountsTopLevelCollectionsAndTheirLengths)
{
    struct Case {
        const char* name;
        Bytes descriptor;
        std::vector<TopLevelCollection> expected;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"boot mouse, bits rounded up, nested collection folded in", kBootMouse, {{0x01, 0x02, 3, 0, 0}}},
        {"vendor pair with report ids", kZ3Vendor, {{0xFF00, 1, 8, 0, 0}, {0xFF01, 1, 0, 0, 8}}},
        {"largest of several report ids",
            ReportDescriptorBuilder()
                .beginCollection(0xFF00, 1)
                .report(Kind::Input, 1, 3)
                .report(Kind::Input, 2, 20)
                .report(Kind::Feature, 3, 5)
                .report(Kind::Output, 4, 2)
                .endCollection()
                .bytes(),
            {{0xFF00, 1, 21, 3, 6}}},
        {"two items of one report add up",
            ReportDescriptorBuilder()
                .beginCollection(0xFF00, 1)
                .report(Kind::Input, 6, 3)
                .report(Kind::Input, 6, 4)
                .endCollection()
                .bytes(),
            {{0xFF00, 1, 8, 0, 0}}},
        {"report id remains set into the next collection (global state)",
            ReportDescriptorBuilder()
                .beginCollection(0xFF00, 1)
                .report(Kind::Input, 5, 2)
                .endCollection()
                .beginCollection(0xFF01, 2)
                .report(Kind::Feature, 0, 4)
                .endCollection()
                .bytes(),
            {{0xFF00, 1, 3, 0, 0}, {0xFF01, 2, 0, 0, 5}}},
        {"four-byte usage carries its page",
            {0x05, 0x01, 0x0B, 0x01, 0x00, 0x0C, 0xFF, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02, 0xC0},
            {{0xFF0C, 1, 2, 0, 0}}},
        {"push and pop restore the report size",
            {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x01, 0xA4, 0x75, 0x10, 0x81, 0x02,
                0xB4, 0x81, 0x02, 0xC0},
            {{0xFF00, 1, 3, 0, 0}}},
        {"long item skipped",
            {0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x01,
                0x81, 0x02, 0xC0},
            {{0xFF00, 1, 1, 0, 0}}},
        {"data outside collections and a stray end collection ignored",
            {0x75, 0x08, 0x95, 0x04, 0x81, 0x02, 0xC0, 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x95, 0x02,
                0x81, 0x02, 0xC0, 0xC0},
            {{0xFF00, 1, 2, 0, 0}}},
        {"usage of a collection is taken before local state is cleared",
            {0x06, 0x00, 0xFF, 0x09, 0x07, 0xA1, 0x01, 0xC0, 0xA1, 0x01, 0xC0},
            {{0xFF00, 7, 0, 0, 0}, {0xFF00, 0, 0, 0, 0}}},
        {"lengths saturate at 65535",
            {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF,
                0xFF, 0x81, 0x02, 0x81, 0x02, 0xC0},
            {{0xFF00, 1, 0xFFFF, 0, 0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse(c.descriptor), c.expected) << c.name;
}

TEST(ReportDescriptor, TruncatedInputKeepsWhatWasRead)
{
    // Every prefix of a valid descriptor parses without fault; an open
    // collection at the cut still counts, with the reports read so far.
    for (std::size_t cut = 0; cut <= kZ3Vendor.size(); ++cut) {
        const Bytes prefix(kZ3Vendor.begin(), kZ3Vendor.begin() + static_cast<long>(cut));
        const auto collections = parse(prefix);
        EXPECT_LE(collections.size(), 2u) << cut;
    }
    const Bytes cutInsideSecondCollection(kZ3Vendor.begin(), kZ3Vendor.end() - 3);
    const std::vector<TopLevelCollection> expected{{0xFF00, 1, 8, 0, 0}, {0xFF01, 1, 0, 0, 0}};
    EXPECT_EQ(parse(cutInsideSecondCollection), expected);
    // A two-byte item whose data is cut off ends the parse before it.
    EXPECT_EQ(parse({0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x96, 0x10}),
        (std::vector<TopLevelCollection>{{0xFF00, 1, 0, 0, 0}}));
}

TEST(ReportDescriptorBuilder, LengthsRoundTripThroughTheParser)
{
    for (uint32_t length : {0u, 1u, 2u, 8u, 64u, 255u, 256u, 4096u, 4097u, 65535u}) {
        ReportDescriptorBuilder builder;
        builder.beginCollection(0xFF00, 1);
        if (length > 0)
            builder.report(Kind::Input, 6, length - 1);
        builder.endCollection().beginCollection(0xFF01, 1);
        if (length > 0)
            builder.report(Kind::Feature, 7, length - 1);
        builder.endCollection();
        const std::vector<TopLevelCollection> expected{{0xFF00, 1, static_cast<uint16_t>(length), 0, 0},
            {0xFF01, 1, 0, 0, static_cast<uint16_t>(length)}};
        EXPECT_EQ(parse(builder.bytes()), expected) << length;
    }
}

} // namespace
} // namespace z3
