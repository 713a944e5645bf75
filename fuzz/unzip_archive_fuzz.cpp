// An archive of any bytes unzipped during a search, with the archive limits
// of a search: it is extracted, refused or logged as failed, and nothing is
// ever written outside the unzip working folder and the log folder.

#include <atomic>
#include <filesystem>
#include <string>

#include "archive/unzip_archive.h"
#include "fuzz_support.h"
#include "platform/user_messages.h"

namespace fs = std::filesystem;

namespace {

// Takes every entry, so that each one is written.
class TakeEverything : public qf::ArchiveEntryFilter {
public:
    bool AcceptFolderEntry(const std::string&) override { return true; }
    bool AcceptFileEntry(const std::string&, const std::string&, const qf::WIN32_FIND_DATAA&) override { return true; }
};

// The archive lies a few levels down, so that an entry that climbs out of
// its folder lands somewhere this can see.
struct Sandbox {
    std::string root = qffuzz::ScratchFolder() + "/a";
    std::string archive = root + "/b/c/d/in/archive.zip";
    std::string logs = root + "/b/c/d/Temp";
    std::string work = logs + "/ZIPFILES";
};

// Everything in the sandbox is the archive, the log folder or inside it.
bool NothingElseWritten(const Sandbox& box) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(box.root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const std::string path = it->path().string();
        if (path == box.archive || path.rfind(box.logs, 0) == 0) continue;
        if (it->is_directory(ec) && !it->is_symlink(ec) && (box.archive.rfind(path + "/", 0) == 0 ||
                                                             box.logs.rfind(path + "/", 0) == 0))
            continue;
        return false;
    }
    return !ec;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Sandbox box;
    fs::create_directories(box.work);
    fs::create_directories(fs::path(box.archive).parent_path());
    qffuzz::WriteBytes(box.archive, {reinterpret_cast<const char*>(data), size});

    qf::Options options;
    qf::RunCounters counters;
    std::atomic<int> stop{0};
    qf::SearchObserver observer;
    qf::RecordingMessages messages;
    TakeEverything filter;
    qf::UnzipContext context{options, counters, stop, box.logs, box.work, observer, messages, filter};
    context.maxEntryBytes = 8u << 20;
    context.budget = qf::ExtractionBudget(32u << 20);

    qf::tagSelectedFileFolderStruct archive;
    archive.fullPath = box.archive;
    archive.fileName = "archive.zip";
    archive.extension = "zip";
    archive.folderPath = fs::path(box.archive).parent_path().string();
    qf::UnzipArchive(context, archive);

    qffuzz::Require(counters.nZipExamined == 1 && counters.nZipUnzipped + counters.nZipFailed >= 1,
                    "the archive is counted");
    qffuzz::Require(NothingElseWritten(box), "nothing is written outside the working and log folders");
    qffuzz::EmptyFolder(box.logs);
    return 0;
}
