#pragma once
// Runs a search on the test's thread over a fresh session.

#include <functional>
#include <string>
#include <vector>

#include "engine/search_lock.h"
#include "engine/search_run.h"
#include "engine/session.h"
#include "platform/user_messages.h"
#include "settings/search_mode.h"
#include "settings/search_start.h"
#include "textsearch/query_terms.h"

namespace qftest {

// Records what the run reports; `onName` runs on the worker for each name met.
class RecordingObserver : public qf::SearchObserver {
public:
    void CurrentName(const std::string& name) override {
        names.push_back(name);
        if (onName) onName(name);
    }
    void StatusText(const std::string& text) override { statuses.push_back(text); }
    void RowsAppended(size_t, size_t count) override { appended += count; }
    void RunEnded() override { ended = true; }
    void Unreadable(const std::string& path, const std::string& reason) override {
        unreadable.push_back(path + ": " + reason);
    }

    std::vector<std::string> names;
    std::vector<std::string> statuses;
    std::function<void(const std::string&)> onName;
    std::vector<std::string> unreadable;  // "PATH: reason"
    size_t appended = 0;
    bool ended = false;
};

struct RunOutcome {
    bool started = false;
    std::vector<std::string> paths;  // fullPath of every record, in list order
    std::vector<std::string> types;  // typeCode of every record
};

// Validates, then runs synchronously; every message lands in `messages`.
// `prepareFolders` empties the log and working folders first, as the Search command does.
inline RunOutcome RunSearch(qf::Session& session, qf::RecordingMessages& messages,
                            qf::SearchObserver* observer = nullptr, bool prepareFolders = true) {
    RunOutcome outcome;
    if ((prepareFolders && !qf::PrepareSessionFolders(session, messages)) ||
        !qf::ValidateSessionSearch(session, messages))
        return outcome;
    RecordingObserver fallback;
    qf::SearchObserver& target = observer ? *observer : fallback;
    outcome.started = qf::StartSearch(session, target, messages);
    qf::WaitForSearch(session);
    for (const auto& record : session.results.CopyList()) {
        outcome.paths.push_back(record.fullPath);
        outcome.types.push_back(record.typeCode);
    }
    return outcome;
}

// A session searching `folders` "By file name" with one pattern, no end message.
inline void ByFileName(qf::Session& session, const std::vector<std::string>& folders,
                       const std::string& pattern = "*.*") {
    qf::Options& o = session.state.options;
    qf::SelectByFileNameMode(o);
    o.SetList(qf::Opt::DIRECTORIS, folders);
    o.SetList(qf::Opt::FILENAMES1, {pattern});
    o.SetInt(qf::Opt::SEARCHENDC, 0);
    o.SetInt(qf::Opt::SEARCHENDB, 0);
}

// A content search for `query` in `folders`, no end message.
inline void ContentSearch(qf::Session& session, const std::vector<std::string>& folders, const std::string& query) {
    qf::Options& o = session.state.options;
    o.SetList(qf::Opt::DIRECTORIS, folders);
    o.SetText(qf::Opt::FINDTEXTS1, query);
    o.SetInt(qf::Opt::SEARCHENDC, 0);
    o.SetInt(qf::Opt::SEARCHENDB, 0);
}

}  // namespace qftest
