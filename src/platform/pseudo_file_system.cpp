#include "platform/pseudo_file_system.h"

#include <sys/vfs.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace qf {
namespace {

// The f_type values of statfs.
constexpr std::array<uint64_t, 11> kPseudoTypes = {
    0x9fa0,      // proc
    0x62656572,  // sysfs
    0x64626720,  // debugfs
    0x74726163,  // tracefs
    0x27e0eb,    // cgroup
    0x63677270,  // cgroup2
    0x73636673,  // securityfs
    0x6165676c,  // pstore
    0xcafe4a11,  // bpf
    0x62656570,  // configfs
    0xde5e81e4,  // efivarfs
};

bool IsPseudoType(const struct statfs& fs) {
    const auto type = uint64_t(static_cast<uint32_t>(fs.f_type));
    return std::find(kPseudoTypes.begin(), kPseudoTypes.end(), type) != kPseudoTypes.end();
}

}  // namespace

bool IsPseudoFileSystem(const std::string& path) {
    struct statfs fs{};
    return statfs(path.c_str(), &fs) == 0 && IsPseudoType(fs);
}

bool IsPseudoFileSystem(int fd) {
    struct statfs fs{};
    return fstatfs(fd, &fs) == 0 && IsPseudoType(fs);
}

}  // namespace qf
