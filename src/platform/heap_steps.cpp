#include "platform/heap_steps.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>  // defines __GLIBC__ with the GNU C library
#include <fstream>
#include <string>

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

extern char end;  // the end of the program's data: the main heap lies above it
#endif

namespace qf {
namespace {

constexpr std::string_view kHugePagesTunable = "glibc.malloc.hugetlb";

std::atomic<bool> heapAsksHugePages{false};

// The kernel's choice is shown as "always [madvise] never": huge pages go
// only to memory that asks for them.
bool HugePagesOnRequest() {
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    return std::getline(in, line) && line.find("[madvise]") != std::string::npos;
}

#if defined(__GLIBC__) && defined(__linux__)
constexpr uintptr_t kHugePage = uintptr_t(2) << 20;
// A thread's heap is a reserved range of this size, aligned to it, whose
// start is made usable step by step (its first step is the 32 MiB above).
constexpr uintptr_t kThreadHeapRange = uintptr_t(64) << 20;

void AskHugePages(uintptr_t from, uintptr_t to) {
    from = (from + kHugePage - 1) & ~(kHugePage - 1);
    // Only a kind of memory is asked for: where the range is not all the
    // heap's, nothing is lost but the asking.
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}
#endif

}  // namespace

void GrowHeapInLargeSteps() {
#if defined(__GLIBC__)
    constexpr int kStep = 32 << 20;
    mallopt(M_TOP_PAD, kStep);
#endif
}

bool HugeHeapPagesLeftToUs(std::string_view tunables) {
    return tunables.find(kHugePagesTunable) == std::string_view::npos;
}

void AskHugeHeapPages() {
#if defined(__GLIBC__) && defined(__linux__)
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    if (!HugeHeapPagesLeftToUs(tunables ? tunables : "") || !HugePagesOnRequest()) return;
    // A block larger than what the heap has left makes it take its first
    // large step now, so that the step can be asked for as a whole. Where
    // the heap took no step (another allocator serves the program, as under
    // a sanitizer), the threads' heaps are not where this looks for them.
    const uintptr_t before = reinterpret_cast<uintptr_t>(sbrk(0));
    void* volatile step = std::malloc(96 << 10);
    const uintptr_t after = reinterpret_cast<uintptr_t>(sbrk(0));
    AskHugePages(before, after);
    std::free(step);
    heapAsksHugePages = after > before;
#endif
}

bool HugeHeapPagesAsked() { return heapAsksHugePages; }

void AskHugePagesForThreadHeap() {
#if defined(__GLIBC__) && defined(__linux__)
    if (!heapAsksHugePages) return;
    void* volatile probe = std::malloc(16);
    const uintptr_t at = reinterpret_cast<uintptr_t>(probe);
    const bool mainHeap = at >= reinterpret_cast<uintptr_t>(&end) && at < reinterpret_cast<uintptr_t>(sbrk(0));
    if (!mainHeap) {
        const uintptr_t heap = at & ~(kThreadHeapRange - 1);
        AskHugePages(heap, heap + kThreadHeapRange);
    }
    std::free(probe);
#endif
}

}  // namespace qf
