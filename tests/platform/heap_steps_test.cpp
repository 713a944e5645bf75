#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/heap_steps.h"

namespace {

// A user's own choice of huge heap pages holds, whatever else is set.
TEST(PlatformHeapSteps, TheUsersChoiceOfHugePagesHolds) {
    EXPECT_TRUE(qf::HugeHeapPagesLeftToUs(""));
    EXPECT_TRUE(qf::HugeHeapPagesLeftToUs("glibc.malloc.arena_max=2"));
    EXPECT_FALSE(qf::HugeHeapPagesLeftToUs("glibc.malloc.hugetlb=0"));
    EXPECT_FALSE(qf::HugeHeapPagesLeftToUs("glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1"));
}

// The kernel's flags of the mapping that holds `address` ("" when none does).
std::string MappingFlagsAt(const void* address) {
    std::ifstream smaps("/proc/self/smaps");
    const auto at = reinterpret_cast<uintptr_t>(address);
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        uintptr_t from = 0, to = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> from >> dash >> to && dash == '-' && line.find(':') > line.find(' ')) {
            inside = from <= at && at < to;
        } else if (inside && line.rfind("VmFlags:", 0) == 0) {
            return line;
        }
    }
    return "";
}

// The heap of a thread started later asks for huge pages: the kernel marks
// its mapping. Where the C library's own heap is not in use (under a
// sanitizer) or huge pages are not given on request, nothing is asked.
TEST(PlatformHeapSteps, AThreadsHeapAsksForHugePages) {
    qf::GrowHeapInLargeSteps();
    qf::AskHugeHeapPages();
    if (!qf::HugeHeapPagesAsked()) GTEST_SKIP() << "huge heap pages are not asked for here";
    std::string flags;
    std::thread([&flags] {
        qf::AskHugePagesForThreadHeap();
        void* volatile block = std::malloc(4096);
        flags = MappingFlagsAt(block);
        std::free(block);
    }).join();
    EXPECT_NE(flags.find(" hg"), std::string::npos) << flags;
}

}  // namespace
