#pragma once
// How the C library's heap grows. A search that keeps many results makes
// its heap grow by a page at a time, one system call per page; a short-lived
// program can let it grow in large steps instead. Untouched memory of a step
// costs nothing, but what the heap keeps on top after frees stays with the
// process, so a long-running program leaves the default.

#include <optional>
#include <string>
#include <string_view>

namespace qf {

// Heap growth in steps of 32 MiB. Has no effect outside the GNU C library.
void GrowHeapInLargeSteps();

// Every new page of the heap costs a fault: ten thousand results of a
// search take about seven thousand. Where the system gives huge pages to
// memory that asks for them, the program runs itself again at once with the
// C library told to ask for them (through GLIBC_TUNABLES), which takes a
// twentieth of the faults for about a millisecond. Returns only when it does
// not run again: this is the second run, huge pages are always or never
// given, the user chose already, the program runs with raised privileges, or
// it cannot be run again.
void RunAgainWithHugeHeapPages(char** argv);

// The tunables text `tunables` with huge heap pages asked for, or nothing
// when it already says whether to ask.
std::optional<std::string> TunablesWithHugePages(std::string_view tunables);

}  // namespace qf
