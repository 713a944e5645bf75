#include "platform/heap_steps.h"

#include <cstdlib>  // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qf {

void GrowHeapInLargeSteps() {
#if defined(__GLIBC__)
    constexpr int kStep = 32 << 20;
    mallopt(M_TOP_PAD, kStep);
#endif
}

}  // namespace qf
