#include "platform/open_folder.h"

#include <unistd.h>

namespace qf {

OpenFolder::~OpenFolder() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace qf
