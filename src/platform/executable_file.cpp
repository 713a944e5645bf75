#include "platform/executable_file.h"

#include <sys/stat.h>
#include <unistd.h>

namespace qf {

bool IsExecutableFile(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace qf
