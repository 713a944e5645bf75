#pragma once
// Runs the real quillfind-cli with an argument vector and captures its output.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/test_support.h"

extern char** environ;

namespace qftest {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `prefix` goes before the program (for example setpriv and its options).
inline CliResult RunCli(const std::vector<std::string>& args, const std::vector<std::string>& prefix = {}) {
    TempDir capture;
    const std::string outPath = capture / "out", errPath = capture / "err";
    std::vector<std::string> all = prefix;
    all.push_back(QUILLFIND_CLI);
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    CliResult result;
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

}  // namespace qftest
