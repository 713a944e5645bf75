// quillfind-cli: runs one search to its end and prints the result records.

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "cli/after_search.h"
#include "cli/apply_options.h"
#include "cli/cli_options.h"
#include "cli/folder_arguments.h"
#include "cli/output_formats.h"
#include "cli/progress_observer.h"
#include "cli/stderr_messages.h"
#include "cli/terminal.h"
#include "engine/search_lock.h"
#include "engine/search_run.h"
#include "engine/session.h"
#include "platform/app_home.h"
#include "platform/folder_opened_ahead.h"
#include "platform/heap_steps.h"
#include "platform/stop_signals.h"
#include "settings/search_start.h"
#include "settings/settings_file.h"
#include "textsearch/query_terms.h"

namespace {

constexpr int kFound = 0;
constexpr int kNothingFound = 1;
constexpr int kRefused = 2;

// A big search's results take a while to free one by one, and the process
// ends right after: it leaves them to the system, except in builds that
// check for leaks.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kFreeAtExit = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kFreeAtExit = true;
#else
constexpr bool kFreeAtExit = false;
#endif
#else
constexpr bool kFreeAtExit = false;
#endif

int Run(const qf::cli::CliOptions& cli, std::optional<qf::Session>& kept) {
    using namespace qf;
    cli::StderrWriter writer(cli::StderrIsTerminal());
    const bool progress = cli.progress.value_or(writer.Terminal());
    cli::StderrMessages messages(writer, {cli.yes, progress, cli.format == cli::OutputFormat::Json, cli.beep});

    std::string home;
    if (!PrepareAppHome(home, cli.home)) {
        writer.Line("quillfind-cli: cannot create the application home " + ResolveAppHome(cli.home));
        return kRefused;
    }
    Session& session = kept.emplace(home);
    const StopSignalRoute signals(session.bStopRequest);
    Options& options = session.state.options;
    if (!cli::ApplyCommandLine(cli, options, messages)) return kRefused;
    if (!cli.saveSettingsFile.empty()) {
        if (!SaveSettingsFile(options, cli.saveSettingsFile, messages)) return kRefused;
        if (cli.folders.empty()) return kFound;  // saving was the whole task
    }
    if (cli.describe) {
        cli::WriteDescription(session, stdout);
        if (cli.folders.empty()) return kFound;
    }
    const cli::FolderCheck folders = cli::CheckChosenFolders(options, writer);
    if (folders.NoneLeft()) return kRefused;
    if (!PrepareSessionFolders(session, messages)) return kRefused;
    if (!ValidateSessionSearch(session, messages)) return kRefused;
    // The validation clears the stop request; a Ctrl-C before it still counts.
    if (const int signal = StopSignalReceived()) return 128 + signal;

    cli::ProgressObserver observer(writer, session.counters, progress);
    // Results are printed when the run ends: no rows are shown on the way.
    session.results.SetLiveRows(false);
    if (!StartSearch(session, observer, messages)) {
        writer.Line("quillfind-cli: the search could not be started");
        return kRefused;
    }
    WaitForSearch(session);
    if (const uint64_t cut = session.statistics.lineLimitFiles.load()) writer.Line(LineLimitNote(cut));
    if (!cli::ArrangeResults(cli, session, messages)) return kRefused;
    cli::PrintResults(stdout, cli.format, session.results, ReadingThreads(options));
    // Stopped by SIGINT or SIGTERM: what was found is printed, nothing more is done.
    if (const int signal = StopSignalReceived()) return 128 + signal;
    if (!cli::WriteAfterSearch(cli, session, messages, stdout)) return kRefused;
    // A chosen folder that could not be searched is an error, whatever the others gave.
    if (folders.missing > 0 || cli::ChosenFolderUnreadable(options, observer.UnreadablePaths())) return kRefused;
    return session.results.Size() > 0 ? kFound : kNothingFound;
}

}  // namespace

int main(int argc, char** argv) {
    qf::cli::CliOptions cli;
    const int parsed = qf::cli::ParseCommandLine(argc, argv, cli);
    if (parsed >= 0) return parsed;
    qf::GrowHeapInLargeSteps();
    qf::AskHugeHeapPages();
    qf::MakeRoomForFoldersOpenedAhead();
    std::optional<qf::Session> session;
    const int code = Run(cli, session);
    if (kFreeAtExit || !session) return code;
    if (session->worker.joinable()) {  // as the session's own end does
        session->bStopRequest = 1;
        session->worker.join();
    }
    std::fflush(nullptr);
    std::_Exit(code);
}
