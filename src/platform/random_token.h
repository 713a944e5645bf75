#pragma once
// Unguessable names and tokens from the system's random source.

#include <cstddef>
#include <string>

namespace qf {

// `bytes` random bytes as lower-case hexadecimal (twice as many characters).
std::string RandomToken(size_t bytes);

}  // namespace qf
