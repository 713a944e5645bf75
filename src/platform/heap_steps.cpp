#include "platform/heap_steps.h"

#include <cstdlib>  // defines __GLIBC__ with the GNU C library
#include <fstream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/auxv.h>
#include <unistd.h>
#endif

namespace qf {
namespace {

constexpr std::string_view kHugePagesTunable = "glibc.malloc.hugetlb";
constexpr const char* kRunAgainMark = "QUILLFIND_HEAP_RUN_AGAIN";

// The kernel's choice is shown as "always [madvise] never": huge pages go
// only to memory that asks for them.
bool HugePagesOnRequest() {
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    return std::getline(in, line) && line.find("[madvise]") != std::string::npos;
}

}  // namespace

void GrowHeapInLargeSteps() {
#if defined(__GLIBC__)
    constexpr int kStep = 32 << 20;
    mallopt(M_TOP_PAD, kStep);
#endif
}

std::optional<std::string> TunablesWithHugePages(std::string_view tunables) {
    if (tunables.find(kHugePagesTunable) != std::string_view::npos) return std::nullopt;
    std::string with(tunables);
    if (!with.empty()) with += ':';
    with += kHugePagesTunable;
    with += "=1";
    return with;
}

void RunAgainWithHugeHeapPages(char** argv) {
#if defined(__GLIBC__) && defined(__linux__)
    // The second run is told so: it never runs a third time, even where the
    // C library drops the setting (as it may for a program with raised
    // privileges, which is not run again at all).
    if (std::getenv(kRunAgainMark) != nullptr) {
        unsetenv(kRunAgainMark);
        return;
    }
    if (getauxval(AT_SECURE) != 0) return;
    const char* before = std::getenv("GLIBC_TUNABLES");
    const std::optional<std::string> with = TunablesWithHugePages(before ? before : "");
    if (!with || !HugePagesOnRequest()) return;
    const std::string kept = before ? before : "";
    if (setenv("GLIBC_TUNABLES", with->c_str(), 1) != 0 || setenv(kRunAgainMark, "1", 1) != 0) return;
    execv("/proc/self/exe", argv);
    // Not run again: everything goes on as it was.
    unsetenv(kRunAgainMark);
    if (before)
        setenv("GLIBC_TUNABLES", kept.c_str(), 1);
    else
        unsetenv("GLIBC_TUNABLES");
#else
    (void)argv;
#endif
}

}  // namespace qf
