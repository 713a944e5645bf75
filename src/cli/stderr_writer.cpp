#include "cli/stderr_writer.h"

#include <cstdio>

namespace qf::cli {

void StderrWriter::CloseProgressLocked() {
    if (progressOpen_) std::fputc('\n', stderr);
    progressOpen_ = false;
}

void StderrWriter::Line(const std::string& text) {
    std::lock_guard guard(mutex_);
    CloseProgressLocked();
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

void StderrWriter::Progress(const std::string& text) {
    std::lock_guard guard(mutex_);
    if (terminal_) {
        std::fprintf(stderr, "\r\033[K%s", text.c_str());
        progressOpen_ = true;
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    std::fflush(stderr);
}

void StderrWriter::EndProgress() {
    std::lock_guard guard(mutex_);
    CloseProgressLocked();
    std::fflush(stderr);
}

void StderrWriter::Bell() {
    if (!terminal_) return;
    std::lock_guard guard(mutex_);
    std::fputc('\a', stderr);
    std::fflush(stderr);
}

}  // namespace qf::cli
