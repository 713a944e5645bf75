#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "platform/parallel_parts.h"

namespace {

// Parts are taken by whichever thread comes first: each must still run
// exactly once, and a part's failure must reach the caller.
TEST(PlatformParallelParts, EachPartRunsOnceAndFailuresReachTheCaller) {
    for (size_t parts : {1u, 2u, 7u}) {
        std::vector<std::atomic<int>> runs(parts);
        qf::RunParts(parts, [&](size_t part) { ++runs[part]; });
        for (size_t part = 0; part < parts; ++part) EXPECT_EQ(runs[part].load(), 1) << parts << " parts";
    }
    std::atomic<int> done{0};
    EXPECT_THROW(qf::RunParts(4,
                              [&](size_t part) {
                                  if (part == 2) throw std::runtime_error("part failed");
                                  ++done;
                              }),
                 std::runtime_error);
    EXPECT_EQ(done.load(), 3);
}

}  // namespace
