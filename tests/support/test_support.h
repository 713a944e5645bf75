#pragma once
// Helpers shared by the test suites: temporary folders and small files.

#include <string>

namespace qftest {

// A fresh folder under the system temp folder, removed with its content on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a name inside the folder.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Writes content to path, creating missing parent folders.
void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
void MakeDirs(const std::string& path);
bool Exists(const std::string& path);

}  // namespace qftest
