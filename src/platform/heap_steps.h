#pragma once
// How the C library's heap grows. A search that keeps many results makes
// its heap grow by a page at a time, one system call per page; a short-lived
// program can let it grow in large steps instead. Untouched memory of a step
// costs nothing, but what the heap keeps on top after frees stays with the
// process, so a long-running program leaves the default.

namespace qf {

// Heap growth in steps of 32 MiB. Has no effect outside the GNU C library.
void GrowHeapInLargeSteps();

}  // namespace qf
