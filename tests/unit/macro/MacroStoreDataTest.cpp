#include "core/macro/MacroStoreData.h"

#include "core/macro/MacroStore.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace z3 {
namespace {

// A record with `steps` steps whose codes are 1, 2, 3, ... and pauses 100 +
// the step's index; the slot after the last step holds a marker.
MacroRecord recordWithSteps(int steps)
{
    MacroRecord record = MacroRecord::blank();
    record.eventCount = static_cast<uint8_t>(steps);
    for (int k = 0; k < steps; ++k)
        record.setEvent(k, {static_cast<uint8_t>(k + 1), MacroAction::Press, static_cast<uint16_t>(100 + k)});
    if (steps < 255)
        record.setEvent(steps, {0xEE, 0xEE, 0xEEEE});
    return record;
}

std::vector<int> codes(const MacroRecord& record)
{
    std::vector<int> out;
    for (int k = 0; k < record.eventCount; ++k)
        out.push_back(record.eventKeys[k].code);
    return out;
}

TEST(MacroStoreData, InsertMacroEventPlacesTheStepWithA30MsPause)
{
    const struct {
        int steps;
        int position;
        std::vector<int> expected;
    } cases[] = {
        {3, 0, {9, 1, 2, 3}}, // every step moves up by one
        {3, 1, {1, 9, 2, 3}}, {3, 3, {1, 2, 3, 9}}, {0, 0, {9}},
        {3, 7, {1, 2, 3, 9}},  // beyond the last step: appended, no meaningless slot becomes a step
        {3, -4, {9, 1, 2, 3}}, // negative positions insert first
    };
    for (const auto& c : cases) {
        MacroStoreData data;
        data.records[2] = recordWithSteps(c.steps);
        ASSERT_TRUE(data.insertMacroEvent(2, c.position, 9, MacroAction::Release)) << c.position;
        const MacroRecord& record = data.records[2];
        EXPECT_EQ(codes(record), c.expected) << c.steps << "@" << c.position;
        const int at
            = static_cast<int>(std::find(c.expected.begin(), c.expected.end(), 9) - c.expected.begin());
        EXPECT_EQ(record.event(at), (MacroEvent{9, MacroAction::Release, 30}));
        if (at + 1 < record.eventCount) {
            EXPECT_EQ(record.eventDelays[at + 1], 100 + at); // moved steps keep their pauses
        }
    }
}

TEST(MacroStoreData, InsertMacroEventStopsAt254Steps)
{
    MacroStoreData data;
    data.records[0] = recordWithSteps(253);
    EXPECT_TRUE(data.insertMacroEvent(0, 0, 9, MacroAction::Press));
    EXPECT_EQ(data.records[0].eventCount, 254);
    const MacroRecord full = data.records[0];
    EXPECT_FALSE(data.insertMacroEvent(0, 0, 9, MacroAction::Press));
    EXPECT_EQ(codes(data.records[0]), codes(full));
    EXPECT_EQ(data.records[0].eventDelays, full.eventDelays);
    // A record claiming more steps than slots (from a file) is refused too.
    data.records[1].eventCount = 255;
    EXPECT_FALSE(data.insertMacroEvent(1, 300, 9, MacroAction::Press));
    EXPECT_FALSE(data.insertMacroEvent(12, 0, 9, MacroAction::Press));
    EXPECT_FALSE(data.insertMacroEvent(-1, 0, 9, MacroAction::Press));
}

TEST(MacroStoreData, DeleteMacroEventMovesLaterStepsDown)
{
    const struct {
        int steps;
        int position;
        std::vector<int> expected;
    } cases[] = {
        {3, 0, {2, 3}},
        {3, 1, {1, 3}},
        {3, 2, {1, 2}},
        {3, 9, {1, 2}}, // beyond the last step: the count still shrinks
        {0, 0, {}},     // never below zero
        {3, -1, {1, 2}},
    };
    for (const auto& c : cases) {
        MacroStoreData data;
        data.records[0] = recordWithSteps(c.steps);
        data.deleteMacroEvent(0, c.position);
        EXPECT_EQ(codes(data.records[0]), c.expected) << c.steps << "@" << c.position;
    }
    MacroStoreData data;
    data.records[0] = recordWithSteps(3);
    data.deleteMacroEvent(0, 0);
    EXPECT_EQ(data.records[0].eventDelays[0], 101);  // pauses move with their steps
    EXPECT_EQ(data.records[0].eventKeys[2].code, 3); // the vacated slot keeps its bytes
    data.deleteMacroEvent(12, 0);                    // no such record: nothing happens
}

TEST(MacroStoreData, CreateMacroAddsANewNameOrSelectsTheExistingOne)
{
    MacroStoreData data;
    data.records[1] = recordWithSteps(5); // a free record with old content
    data.records[1].setName(u"old");
    ASSERT_TRUE(data.createMacro(u"first"));
    ASSERT_TRUE(data.createMacro(u"second"));
    EXPECT_EQ(data.count, 2);
    EXPECT_EQ(data.current, 1);
    const MacroRecord& created = data.records[1];
    EXPECT_EQ(created.nameView(), u"second");
    EXPECT_EQ(created.eventCount, 0);
    EXPECT_EQ(created.repeatCount(), 1);
    EXPECT_EQ(created.eventKeys[0].code, 0); // made blank
    EXPECT_EQ(created.name[7], u'\0');

    EXPECT_TRUE(data.createMacro(u"first"));
    EXPECT_EQ(data.count, 2);
    EXPECT_EQ(data.current, 0);
    EXPECT_FALSE(data.createMacro(u""));
    EXPECT_EQ(data.findMacroByName(u"First"), 2); // case-sensitive; not found gives count
}

TEST(MacroStoreData, CreateMacroRefusesAThirteenthMacro)
{
    MacroStoreData data;
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(data.createMacro(std::u16string(1, static_cast<char16_t>(u'a' + i))));
    data.current = 3;
    EXPECT_FALSE(data.createMacro(u"z"));
    EXPECT_FALSE(data.createMacro(u"a")); // a full store refuses even existing names
    EXPECT_EQ(data.count, 12);
    EXPECT_EQ(data.current, 3);
}

TEST(MacroStoreData, LongNamesAreCutTo19Units)
{
    const struct {
        std::u16string name;
        std::u16string stored;
    } cases[] = {
        {u"0123456789012345678", u"0123456789012345678"},
        {u"01234567890123456789", u"0123456789012345678"},
        {u"01234567890123456789abcdef", u"0123456789012345678"},
        {u"012345678901234567\U0001F600", u"012345678901234567"}, // a pair is not split
        {u"01234567890123456\U0001F600", u"01234567890123456\U0001F600"},
    };
    for (const auto& c : cases) {
        MacroStoreData data;
        ASSERT_TRUE(data.createMacro(c.name));
        EXPECT_EQ(data.records[0].nameView(), c.stored);
        EXPECT_EQ(data.records[0].name[19], u'\0');
        // The cut name finds the same macro again.
        EXPECT_TRUE(data.createMacro(c.name));
        EXPECT_EQ(data.count, 1);
    }
}

TEST(MacroStoreData, DeleteMacroMovesLaterMacrosDown)
{
    MacroStoreData data;
    for (const char16_t* name : {u"a", u"b", u"c"})
        data.createMacro(name);
    for (int i = 0; i < 3; ++i) {
        data.records[i].eventCount = static_cast<uint8_t>(i + 1);
        data.records[i].repeatFlag = 1;
        data.records[i].setRepeatCount(9);
    }
    data.deleteMacro(0);
    EXPECT_EQ(data.count, 2);
    EXPECT_EQ(data.records[0].nameView(), u"b");
    EXPECT_EQ(data.records[1].nameView(), u"c");
    EXPECT_EQ(data.records[1].eventCount, 3);
    // The vacated record keeps its name but reads as empty.
    EXPECT_EQ(data.records[2].nameView(), u"c");
    EXPECT_EQ(data.records[2].eventCount, 0);
    EXPECT_EQ(data.records[2].repeatFlag, 0);
    EXPECT_EQ(data.records[2].repeatCount(), 1);

    data.deleteMacro(2); // no such macro
    data.deleteMacro(-1);
    EXPECT_EQ(data.count, 2);
    data.deleteMacro(1);
    data.deleteMacro(0);
    EXPECT_EQ(data.count, 0);
    data.deleteMacro(0);
    EXPECT_EQ(data.count, 0);
}

// The listener thread copies records while the user-interface thread edits
// them; under ThreadSanitizer this shows that the store's lock covers both.
TEST(MacroStore, CopiesAreConsistentWhileAnotherThreadEdits)
{
    MacroStore store;
    store.modify([](MacroStoreData& data) { data.createMacro(u"m"); });
    std::thread editor([&] {
        for (int i = 0; i < 2000; ++i) {
            store.modify([](MacroStoreData& data) {
                if (!data.insertMacroEvent(0, 0, 1, MacroAction::Press))
                    data.records[0].eventCount = 0;
            });
        }
    });
    for (int i = 0; i < 2000; ++i) {
        const MacroRecord copy = store.record(0);
        for (int k = 0; k < copy.eventCount; ++k)
            ASSERT_EQ(copy.event(k), (MacroEvent{1, MacroAction::Press, 30}));
    }
    editor.join();
    EXPECT_EQ(store.record(12).eventCount, 0); // out of range reads an empty record
}

} // namespace
} // namespace z3
