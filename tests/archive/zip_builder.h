#pragma once
// Builds real ZIP archives for the tests with minizip's writer.

#include <cstdint>
#include <string>

namespace qftest {

struct EntryDate {
    int year = 2021, month = 6, day = 15, hour = 10, minute = 30, second = 20;
};

class ZipBuilder {
public:
    explicit ZipBuilder(const std::string& path);
    ~ZipBuilder();
    ZipBuilder(const ZipBuilder&) = delete;
    ZipBuilder& operator=(const ZipBuilder&) = delete;

    ZipBuilder& File(const std::string& name, const std::string& content, EntryDate date = {});
    ZipBuilder& Folder(const std::string& name);
    // A symbolic link as a Unix archiver stores it: the target is the content.
    ZipBuilder& Link(const std::string& name, const std::string& target);
    // Deflated `content` stored with a false uncompressed size.
    ZipBuilder& DeclaredSize(const std::string& name, const std::string& content, uint64_t declaredSize);
    // An entry encrypted with a password (the format's traditional encryption).
    ZipBuilder& Protected(const std::string& name, const std::string& content, const std::string& password);
    void Close();

private:
    void* zip_ = nullptr;
};

}  // namespace qftest
