// Times a content search that unzips every archive it meets (nested ones
// included) and searches the extracted files, as the search run does it.
// Usage: zip_bench FOLDER TERM HOME
// Prints: seconds, result lines, archives unzipped, archives failed.

#include <chrono>
#include <cstdio>
#include <string>

#include "archive/search_folders.h"
#include "engine/search_run.h"
#include "engine/session.h"
#include "platform/app_home.h"
#include "settings/search_start.h"
#include "textsearch/query_terms.h"

namespace {

using namespace qf;

class QuietMessages : public UserMessages {
public:
    MsgAnswer Show(const Message& message) override {
        std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
        return message.defaultAnswer;
    }
};

void Configure(Options& o, const std::string& folder, const std::string& term) {
    o.SetList(Opt::DIRECTORIS, {folder});
    o.SetText(Opt::FINDTEXTS1, term);
    o.SetInt(Opt::CONVZIPCHK, 1);
    o.SetList(Opt::ZFILENAMES, {"*.zip"});
    o.SetInt(Opt::SEARCHENDC, 0);
    o.SetInt(Opt::SEARCHENDB, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zip_bench FOLDER TERM HOME\n");
        return 2;
    }
    std::string home;
    if (!PrepareAppHome(home, argv[3])) return 2;
    Session session(home);
    Options& options = session.state.options;
    Configure(options, argv[1], argv[2]);
    QuietMessages messages;
    if (!PrepareSearchFolders(options, home, messages)) return 2;
    if (!ValidateSearchStart(session.state, DefaultQueryChecks(), messages, session.bStopRequest)) return 2;

    SearchObserver observer;

    const auto start = std::chrono::steady_clock::now();
    if (!StartSearch(session, observer, messages)) return 2;
    WaitForSearch(session);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.3f %zu %lld %lld\n", took.count(), session.results.Size(),
                static_cast<long long>(session.counters.nZipUnzipped.load()),
                static_cast<long long>(session.counters.nZipFailed.load()));
    return 0;
}
