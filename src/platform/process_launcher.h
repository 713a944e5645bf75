#pragma once
// Runs an outside program without a shell and waits for it.

#include <map>
#include <string>
#include <vector>

namespace qf {

struct ProcessRequest {
    std::vector<std::string> argv;                // argv[0] is looked up in PATH when it has no '/'
    std::map<std::string, std::string> envChanges;  // given to the child only
    std::string stdoutFile;                      // when set, the child's output goes there (truncated)
};

// The child's exit code; -1 when it cannot start or ends by a signal.
int RunProcess(const ProcessRequest& request);

}  // namespace qf
