#include "core/device/CompositeHidTransport.h"

#include "support/FakeHidTransport.h"

#include <gtest/gtest.h>

namespace z3 {
namespace {

using test::FakeHidTransport;
using Open = FakeHidTransport::Open;

TEST(CompositeHidTransport, ListsRealBeforeVirtualAndOpensWithTheOwner)
{
    auto real = std::make_unique<FakeHidTransport>();
    auto virt = std::make_unique<FakeHidTransport>();
    real->entries = {{"/dev/hidraw0", 1, 2, 3, 4, 5, 6}, {"/dev/hidraw0", 1, 2, 7, 8, 9, 10}};
    virt->entries = {{"/tmp/v/a", 7, 8, 9, 10, 11, 12}};
    FakeHidTransport& realRef = *real;
    FakeHidTransport& virtRef = *virt;
    std::vector<std::unique_ptr<HidTransport>> parts;
    parts.push_back(std::move(real));
    parts.push_back(std::move(virt));
    CompositeHidTransport composite(std::move(parts));

    const auto entries = composite.enumerate();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].usagePage, 3);
    EXPECT_EQ(entries[1].usagePage, 7);
    EXPECT_EQ(entries[2].path, "/tmp/v/a");

    EXPECT_NE(composite.open("/tmp/v/a", HidAccess::Write), nullptr);
    EXPECT_NE(composite.open("/dev/hidraw0", HidAccess::Read), nullptr);
    EXPECT_EQ(virtRef.opens(), (std::vector<Open>{{"/tmp/v/a", HidAccess::Write}}));
    EXPECT_EQ(realRef.opens(), (std::vector<Open>{{"/dev/hidraw0", HidAccess::Read}}));

    // An unknown path falls through the transports until one opens it.
    realRef.failingOpens = {"/elsewhere"};
    EXPECT_NE(composite.open("/elsewhere", HidAccess::Read), nullptr);
    EXPECT_EQ(virtRef.opens().back(), (Open{"/elsewhere", HidAccess::Read}));
}

} // namespace
} // namespace z3
