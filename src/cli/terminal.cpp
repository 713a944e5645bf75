#include "cli/terminal.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qf::cli {

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(2) != 0;
#else
    return isatty(2) != 0;
#endif
}

bool StdoutIsTerminal() {
#ifdef _WIN32
    return _isatty(1) != 0;
#else
    return isatty(1) != 0;
#endif
}

}  // namespace qf::cli
