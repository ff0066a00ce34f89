// The order of the Tab key.
#include "platform/win32/win32_keyboard_focus.h"

#include <gtest/gtest.h>

namespace quire::win32 {
namespace {

using enum ControlId;

TEST(NextTabStop, WalksTheDesignedOrderAndWrapsBothWays) {
    const ControlId order[] = {Text4,       Text3, PushButton6, Text1,
                               PushButton1, Text2, PushButton7, PushButton2};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        const ControlId next = order[(i + 1) % std::size(order)];
        EXPECT_EQ(NextTabStop(order[i], false), next) << i;
        EXPECT_EQ(NextTabStop(next, true), order[i]) << i;
    }
}

TEST(NextTabStop, ControlsOutsideTheOrderStartAtItsEnds) {
    EXPECT_EQ(NextTabStop(Form1, false), Text4);
    EXPECT_EQ(NextTabStop(Label4, true), PushButton2);
}

}  // namespace
}  // namespace quire::win32
