#include "zip_builder.h"

#include <zip.h>
#include <zlib.h>

#include <stdexcept>
#include <vector>

namespace qftest {
namespace {

zipFile Zip(void* z) { return static_cast<zipFile>(z); }

zip_fileinfo InfoFor(const EntryDate& d, uLong externalAttributes = 0) {
    zip_fileinfo info{};
    info.tmz_date.tm_year = uInt(d.year);
    info.tmz_date.tm_mon = uInt(d.month - 1);
    info.tmz_date.tm_mday = uInt(d.day);
    info.tmz_date.tm_hour = uInt(d.hour);
    info.tmz_date.tm_min = uInt(d.minute);
    info.tmz_date.tm_sec = uInt(d.second);
    info.external_fa = externalAttributes;
    return info;
}

void Check(int result, const char* what) {
    if (result != ZIP_OK) throw std::runtime_error(what);
}

std::string RawDeflate(const std::string& content) {
    z_stream s{};
    deflateInit2(&s, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&s, uLong(content.size())), '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
    s.avail_in = uInt(content.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

}  // namespace

ZipBuilder::ZipBuilder(const std::string& path) : zip_(zipOpen64(path.c_str(), APPEND_STATUS_CREATE)) {
    if (!zip_) throw std::runtime_error("cannot create " + path);
}

ZipBuilder::~ZipBuilder() { Close(); }

void ZipBuilder::Close() {
    if (zip_) zipClose(Zip(zip_), nullptr);
    zip_ = nullptr;
}

ZipBuilder& ZipBuilder::File(const std::string& name, const std::string& content, EntryDate date) {
    const zip_fileinfo info = InfoFor(date);
    Check(zipOpenNewFileInZip64(Zip(zip_), name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                Z_DEFAULT_COMPRESSION, 0),
          "open entry");
    Check(zipWriteInFileInZip(Zip(zip_), content.data(), unsigned(content.size())), "write entry");
    Check(zipCloseFileInZip(Zip(zip_)), "close entry");
    return *this;
}

ZipBuilder& ZipBuilder::Folder(const std::string& name) {
    const zip_fileinfo info = InfoFor({}, 0x10);
    Check(zipOpenNewFileInZip64(Zip(zip_), name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0, 0),
          "open folder");
    Check(zipCloseFileInZip(Zip(zip_)), "close folder");
    return *this;
}

ZipBuilder& ZipBuilder::Link(const std::string& name, const std::string& target) {
    const zip_fileinfo info = InfoFor({}, uLong(0120777) << 16);
    const uLong madeByUnix = (3 << 8) | 20;
    Check(zipOpenNewFileInZip4_64(Zip(zip_), name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0, 0,
                                  -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, madeByUnix, 0, 0),
          "open link");
    Check(zipWriteInFileInZip(Zip(zip_), target.data(), unsigned(target.size())), "write link");
    Check(zipCloseFileInZip(Zip(zip_)), "close link");
    return *this;
}

ZipBuilder& ZipBuilder::DeclaredSize(const std::string& name, const std::string& content, uint64_t declaredSize) {
    const zip_fileinfo info = InfoFor({});
    const std::string compressed = RawDeflate(content);
    Check(zipOpenNewFileInZip2_64(Zip(zip_), name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                  Z_BEST_COMPRESSION, 1, 1),
          "open raw");
    Check(zipWriteInFileInZip(Zip(zip_), compressed.data(), unsigned(compressed.size())), "write raw");
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(content.data()), uInt(content.size()));
    Check(zipCloseFileInZipRaw64(Zip(zip_), declaredSize, crc), "close raw");
    return *this;
}

ZipBuilder& ZipBuilder::Protected(const std::string& name, const std::string& content, const std::string& password) {
    const zip_fileinfo info = InfoFor({});
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(content.data()), uInt(content.size()));
    Check(zipOpenNewFileInZip3_64(Zip(zip_), name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                  Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                                  password.c_str(), crc, 0),
          "open protected");
    Check(zipWriteInFileInZip(Zip(zip_), content.data(), unsigned(content.size())), "write protected");
    Check(zipCloseFileInZip(Zip(zip_)), "close protected");
    return *this;
}

}  // namespace qftest
