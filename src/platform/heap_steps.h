#pragma once
// How the C library's heap grows. A search that keeps many results makes
// its heap grow by a page at a time, one system call per page; a short-lived
// program can let it grow in large steps instead. Untouched memory of a step
// costs nothing, but what the heap keeps on top after frees stays with the
// process, so a long-running program leaves the default.

#include <string_view>

namespace qf {

// Heap growth in steps of 32 MiB. Has no effect outside the GNU C library.
void GrowHeapInLargeSteps();

// Every new page of the heap costs a fault: ten thousand results of a
// search take about seven thousand. Where the system gives huge pages only
// to memory that asks for them, the heap asks: its first step now (called
// after GrowHeapInLargeSteps, while there is one thread), and the heap of
// each thread that calls AskHugePagesForThreadHeap later. That takes a
// twentieth of the faults. Nothing is asked when the user set the C
// library's own choice (glibc.malloc.hugetlb in GLIBC_TUNABLES), or outside
// the GNU C library on Linux.
void AskHugeHeapPages();

// The calling thread's heap asks for huge pages too, if AskHugeHeapPages
// did; otherwise nothing is done. Called first thing in a thread's work.
void AskHugePagesForThreadHeap();

// Whether AskHugeHeapPages asked, so that threads' heaps ask too.
bool HugeHeapPagesAsked();

// True when the tunables text `tunables` leaves the choice of huge heap
// pages to the program.
bool HugeHeapPagesLeftToUs(std::string_view tunables);

}  // namespace qf
