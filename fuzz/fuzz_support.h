#pragma once
// What the fuzz targets share: one scratch folder per process for the files
// that the entry points read and write, and plain file helpers.

#include <string>
#include <string_view>

namespace qffuzz {

// A folder of its own under the system temp folder, made on first use and
// removed with its content when the process ends normally.
const std::string& ScratchFolder();

// Writes bytes to path, replacing it; aborts when that fails, since every
// later step would then test nothing.
void WriteBytes(const std::string& path, std::string_view bytes);

// Removes everything inside folder, not the folder itself.
void EmptyFolder(const std::string& folder);

// Stops the run with a finding when a property does not hold.
void Require(bool holds, const char* what);

}  // namespace qffuzz
