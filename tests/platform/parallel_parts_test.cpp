#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
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

// Parts made side by side are handed on in their order even when the
// early ones take longest; a failure ends the work without a later part
// handed on and without a thread left waiting for its turn.
TEST(PlatformParallelParts, PartsInOrderAreHandedOnInTheirOrder) {
    const auto make = [](size_t part, std::string& text) {
        std::this_thread::sleep_for(std::chrono::microseconds(part % 3 == 0 ? 3000 : 10));
        text = std::to_string(part) + ";";
    };
    for (int threads : {1, 2, 5}) {
        std::string out;
        qf::RunPartsInOrder(12, threads, make, [&](const std::string& text) { out += text; });
        EXPECT_EQ(out, "0;1;2;3;4;5;6;7;8;9;10;11;") << threads << " threads";
    }
    std::string out;
    const auto failAtFive = [&](size_t part, std::string& text) {
        if (part == 5) throw std::runtime_error("part failed");
        make(part, text);
    };
    EXPECT_THROW(qf::RunPartsInOrder(12, 3, failAtFive, [&](const std::string& text) { out += text; }),
                 std::runtime_error);
    // The parts before the failed one may or may not have been handed on yet.
    EXPECT_TRUE(std::string("0;1;2;3;4;").starts_with(out)) << out;
}

}  // namespace
