#include "documents/zip_package.h"

#include <vector>

#include "platform/case_fold.h"

namespace qf {
namespace {

constexpr unsigned kEncryptedFlag = 1;
constexpr size_t kMaxNameLength = 65535;
constexpr size_t kChunk = 64 * 1024;

// A name that would leave a folder if it were ever written out: absolute,
// with a drive, a backslash or a ".." part.
bool UnsafeName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string_view::npos) return true;
    if (name.size() >= 2 && name[1] == ':') return true;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string_view::npos) end = name.size();
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

std::string MiB(uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

}  // namespace

ZipPackage::~ZipPackage() {
    if (zip_) unzClose(zip_);
}

bool ZipPackage::Refuse(std::string reason) {
    if (refusal_.empty()) refusal_ = std::move(reason);
    return false;
}

bool ZipPackage::OpenFile(const std::string& path) {
    zlib_filefunc64_def functions{};
    fill_fopen64_filefunc(&functions);
    return Open(path.c_str(), &functions);
}

bool ZipPackage::OpenBytes(std::string_view bytes) {
    memory_ = MemoryZipStream{bytes, 0};
    zlib_filefunc64_def functions = MemoryZipFunctions(memory_);
    return Open(&memory_, &functions);
}

bool ZipPackage::Open(const void* path, zlib_filefunc64_def* functions) {
    zip_ = unzOpen2_64(path, functions);
    if (!zip_) return Refuse("damaged or truncated: not a readable ZIP package");
    return CheckEntries();
}

bool ZipPackage::CheckEntry(const unz_file_info64& info, const std::string& name) {
    if (info.flag & kEncryptedFlag) return Refuse("encrypted: the entry " + name + " is protected by a password");
    if (UnsafeName(name)) return Refuse("unsafe entry name " + name);
    // Declared sizes may lie; Inflate checks what really comes out as well.
    if (info.uncompressed_size >= limits_.ratioFloor &&
        info.uncompressed_size / limits_.maxRatio > info.compressed_size)
        return Refuse("compression ratio over " + std::to_string(limits_.maxRatio) + " in the entry " + name);
    return true;
}

bool ZipPackage::CheckEntries() {
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zip_, &global) != UNZ_OK) return Refuse("damaged: unreadable ZIP directory");
    if (global.number_entry > limits_.maxEntries)
        return Refuse("more than " + std::to_string(limits_.maxEntries) + " entries");
    std::vector<char> nameBuffer(kMaxNameLength + 1);
    uint64_t count = 0;
    for (int step = unzGoToFirstFile(zip_); step == UNZ_OK; step = unzGoToNextFile(zip_)) {
        if (++count > limits_.maxEntries)
            return Refuse("more than " + std::to_string(limits_.maxEntries) + " entries");
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip_, &info, nameBuffer.data(), uLong(nameBuffer.size()), nullptr, 0, nullptr,
                                    0) != UNZ_OK)
            return Refuse("damaged: unreadable ZIP directory");
        const std::string name(nameBuffer.data(), std::min<size_t>(info.size_filename, kMaxNameLength));
        if (!CheckEntry(info, name)) return false;
        unz64_file_pos position{};
        if (unzGetFilePos64(zip_, &position) != UNZ_OK) return Refuse("damaged: unreadable ZIP directory");
        entries_.emplace(CharLowerA(name), position);
    }
    if (count != global.number_entry) return Refuse("damaged or truncated: the ZIP directory is incomplete");
    return true;
}

bool ZipPackage::Has(std::string_view partName) const { return entries_.count(CharLowerA(partName)) != 0; }

bool ZipPackage::Require(std::string_view partName) {
    return Has(partName) || Refuse("damaged: the part " + std::string(partName) + " is missing");
}

bool ZipPackage::Inflate(const std::string& partName, uint64_t compressedSize, XmlStream& parser) {
    buffer_.resize(kChunk);
    uint64_t inflated = 0;
    for (;;) {
        const int n = unzReadCurrentFile(zip_, buffer_.data(), unsigned(buffer_.size()));
        if (n < 0) return Refuse("damaged or truncated: the entry " + partName + " cannot be inflated");
        inflated += uint64_t(n);
        xmlBytes_ += uint64_t(n);
        if (xmlBytes_ > limits_.maxXmlBytes) return Refuse("more than " + MiB(limits_.maxXmlBytes) + " of XML");
        if (inflated >= limits_.ratioFloor && inflated / limits_.maxRatio > compressedSize)
            return Refuse("compression ratio over " + std::to_string(limits_.maxRatio) + " in the entry " + partName);
        if (!parser.Feed(buffer_.data(), size_t(n), n == 0)) return false;
        if (n == 0) return true;
    }
}

bool ZipPackage::ParsePart(std::string_view partName, XmlHandler& handler, std::string_view handlerReason) {
    if (!refusal_.empty()) return false;
    const std::string name(partName);
    if (!Require(name)) return false;
    const auto found = entries_.find(CharLowerA(name));
    unz64_file_pos position = found->second;
    unz_file_info64 info{};
    if (unzGoToFilePos64(zip_, &position) != UNZ_OK ||
        unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        unzOpenCurrentFile(zip_) != UNZ_OK)
        return Refuse("damaged: the part " + name + " cannot be opened");
    XmlStream parser(handler);
    const bool parsed = Inflate(name, info.compressed_size, parser);
    // Closing checks the inflated data against the stored checksum.
    const bool intact = unzCloseCurrentFile(zip_) == UNZ_OK;
    if (!parsed) {
        if (!refusal_.empty()) return false;
        if (parser.DeclarationRefused()) return Refuse("refused: " + name + " holds " + parser.Error());
        if (!parser.Error().empty()) return Refuse("damaged: XML error in " + name + ": " + parser.Error());
        return Refuse(std::string(handlerReason));
    }
    if (!intact) return Refuse("damaged: the part " + name + " fails its checksum");
    return true;
}

}  // namespace qf
