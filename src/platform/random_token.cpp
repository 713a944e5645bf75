#include "platform/random_token.h"

#include <sys/random.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <vector>

namespace qf {
namespace {

bool FillFromSystem(std::vector<unsigned char>& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = getrandom(data.data() + done, data.size() - done, 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// Only when the kernel refuses: still different on every call.
void FillFromClock(std::vector<unsigned char>& data) {
    std::random_device device;
    std::mt19937_64 mix(uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^ device());
    for (unsigned char& c : data) c = static_cast<unsigned char>(mix());
}

}  // namespace

std::string RandomToken(size_t bytes) {
    std::vector<unsigned char> data(bytes);
    if (!FillFromSystem(data)) FillFromClock(data);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes * 2);
    for (unsigned char c : data) {
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

}  // namespace qf
