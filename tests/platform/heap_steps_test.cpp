#include <gtest/gtest.h>

#include "platform/heap_steps.h"

namespace {

// The setting is added to what the user set, and never twice: the second
// run sees it and goes on, and a user's own choice of huge pages holds.
TEST(PlatformHeapSteps, HugePagesAreAskedForOnceAndTheUsersTunablesKept) {
    EXPECT_EQ(qf::TunablesWithHugePages(""), "glibc.malloc.hugetlb=1");
    EXPECT_EQ(qf::TunablesWithHugePages("glibc.malloc.arena_max=2"),
              "glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1");
    EXPECT_EQ(qf::TunablesWithHugePages(*qf::TunablesWithHugePages("glibc.malloc.arena_max=2")), std::nullopt);
    EXPECT_EQ(qf::TunablesWithHugePages("glibc.malloc.hugetlb=0"), std::nullopt);
}

}  // namespace
