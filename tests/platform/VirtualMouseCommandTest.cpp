#include "platform/hid/VirtualMouseCommand.h"

#include <gtest/gtest.h>

namespace z3::virtualmouse {
namespace {

using Type = Command::Type;
using Bytes = std::vector<uint8_t>;

TEST(VirtualMouseCommand, ParsesEachCommand)
{
    struct Case {
        const char* line;
        std::size_t inputLength;
        Type type;
        Bytes report;
    };
    const Case cases[] = {
        {"press 2", 8, Type::Input, {0x06, 0xF2, 0, 0, 0, 0, 0, 0}},
        {"  press 6 \r", 4, Type::Input, {0x06, 0xF6, 0, 0}},
        {"press 1", 1, Type::Input, {0x06}},
        {"press 1", 0, Type::Input, {}},
        {"arm", 3, Type::Input, {0x06, 0x00, 0x00}},
        {"input 06 f1", 8, Type::Input, {0x06, 0xF1}},
        {"input 6 F 0a 00 FF", 2, Type::Input, {0x06, 0x0F, 0x0A, 0x00, 0xFF}},
        {"unplug", 8, Type::Unplug, {}},
        {"plug", 8, Type::Plug, {}},
        {"quit", 8, Type::Quit, {}},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto command = parseCommand(c.line, c.inputLength, error);
        ASSERT_TRUE(command) << c.line << ": " << error;
        EXPECT_EQ(command->type, c.type) << c.line;
        EXPECT_EQ(command->report, c.report) << c.line;
    }
}

TEST(VirtualMouseCommand, RejectsMalformedLines)
{
    for (const char* line : {"", "   ", "press", "press x", "press 16", "press -1", "press 2 3", "arm 1",
             "input", "input 100", "input 0g", "input 06,F1", "quit now", "PRESS 2", "feature 07"}) {
        std::string error;
        EXPECT_FALSE(parseCommand(line, 8, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(VirtualMouseCommand, FeatureLineShowsEveryByteInUpperCaseHex)
{
    EXPECT_EQ(
        featureLine({0x07, 0x10, 0x01, 0x0F, 0x00, 0xAB, 0xff, 0x90}), "feature 07 10 01 0F 00 AB FF 90\n");
    EXPECT_EQ(featureLine({0x07}), "feature 07\n");
}

} // namespace
} // namespace z3::virtualmouse
