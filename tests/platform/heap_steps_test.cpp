#include <gtest/gtest.h>

#include "platform/heap_steps.h"

namespace {

// A user's own choice of huge heap pages holds, whatever else is set.
TEST(PlatformHeapSteps, TheUsersChoiceOfHugePagesHolds) {
    EXPECT_TRUE(qf::HugeHeapPagesLeftToUs(""));
    EXPECT_TRUE(qf::HugeHeapPagesLeftToUs("glibc.malloc.arena_max=2"));
    EXPECT_FALSE(qf::HugeHeapPagesLeftToUs("glibc.malloc.hugetlb=0"));
    EXPECT_FALSE(qf::HugeHeapPagesLeftToUs("glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1"));
}

}  // namespace
