#pragma once
// Result stores over real files and a smart copy request for the copy suites.

#include <memory>
#include <string>

#include "platform/file_info.h"
#include "platform/paths.h"
#include "platform/user_messages.h"
#include "results/record_maker.h"
#include "results/result_kind.h"
#include "smartcopy/smart_copy.h"
#include "support/test_support.h"

namespace qftest {

#ifdef QUILLFIND_GOLDEN  // the window tests share these helpers but have no golden files
inline std::string Golden(const std::string& name) { return ReadFile(std::string(QUILLFIND_GOLDEN "/") + name); }
#endif

// A whole-file result for the file at path; a converted text when given.
inline void AddResult(qf::SearchResults& results, const std::string& path, const std::string& converted = {},
                      const std::string& documentType = {}) {
    qf::tagSelectedFileFolderStruct entry;
    entry.folderPath = qf::ParentPath(path);
    entry.fileName = qf::BaseName(path);
    entry.extension = entry.fileName.substr(entry.fileName.rfind('.') + 1);
    entry.fullPath = path;
    qf::GetFindData(path, entry.findData);
    if (!converted.empty()) {
        entry.convertedFolder = qf::ParentPath(converted);
        entry.convertedFileName = qf::BaseName(converted);
        entry.convertedExtension = documentType;
        entry.convertedFullPath = converted;
    }
    qf::MakeRecords(results, entry, qf::kKindFile, {});
}

inline qf::SYSTEMTIME CopyClock() {
    qf::SYSTEMTIME st;
    st.wYear = 2005;
    st.wMonth = 3;
    st.wDay = 7;
    st.wHour = 14;
    return st;
}

// Source files under src/, the destination dest/, the log folder home/Temp.
struct CopySetup {
    TempDir dir;
    qf::SearchResults results;
    qf::Options options;
    qf::RecordingMessages messages;
    qf::CopyProgress progress;

    CopySetup() { options.SetText(qf::Opt::CFSDFLEDIT, Dest()); }
    std::string Src(const std::string& name = {}) const { return qf::JoinPath(dir / "src", name); }
    std::string Dest(const std::string& name = {}) const { return qf::JoinPath(dir / "dest", name); }
    std::string LogFolder() const { return dir / "home/Temp"; }
    std::string Log() const { return ReadFile(LogFolder() + "/Copydefault.log"); }

    std::string AddSource(const std::string& name, const std::string& content) {
        WriteFile(Src(name), content);
        AddResult(results, Src(name));
        return Src(name);
    }

    int Copy() {
        const qf::FileResultsStore store = results.CopyStore();
        qf::SmartCopyRequest request{options, store, results.Size(), LogFolder(), CopyClock};
        return qf::SmartCopy(request, messages, progress);
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const qf::Message& m : messages.Messages()) out.push_back(m.caption);
        return out;
    }
};

}  // namespace qftest
