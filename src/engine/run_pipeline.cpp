#include "engine/run_pipeline.h"

#include "platform/file_info.h"
#include "results/result_kind.h"

namespace qf {
namespace {

// Walked folders may wait for their turn up to these numbers; the walk
// then waits until the oldest ones have had it.
constexpr size_t kMostWaitingFolders = 1024;
constexpr size_t kMostWaitingEntries = 4096;
// Waiting folders keep their open handles up to this number; the files of
// the others are opened by their path. It keeps the run's open handles well
// under the usual limit of 1024 for a process.
constexpr size_t kMostWaitingHandles = 64;

}  // namespace

bool RunContext::Settle() {
    if (!pipeline || pipeline->Settle()) return true;
    walkStop = 1;
    return false;
}

RunPipeline::RunPipeline(RunContext& context, SearchObserver& shown, int threads)
    : context_(context),
      shown_(shown),
      scan_{context.query, context.session.results, context.session.counters,
            context.session.bStopSearch, context.session.bStopRequest, shown} {
    scan_.statistics = &context.session.statistics;
    if (threads > 1 && context.modes.content)
        readAhead_ = std::make_unique<ReadAhead>(context.query, context.session.bStopRequest, threads);
}

// True when the folders waiting cannot bring the result files past the
// display limit (each entry makes at most one): the walk's test of that
// limit then gives what it gives after their turns. A turn that ends the
// run otherwise only drops what the walk did meanwhile.
bool RunPipeline::Safe() const {
    return context_.session.counters.nResultFiles.load() + int64_t(waitingEntries_) <= context_.maxLines;
}

bool RunPipeline::BeginFolder() {
    if (context_.session.bStopRequest.load() != 0) return false;  // the turns due decide where the run ends
    if (!waiting_.empty() && !Safe()) TakeTurnsUntil([this] { return waiting_.empty(); });
    if (ended_) return false;
    context_.walkStop = 0;  // a turn that leaves the flag set ends the run
    context_.filesOverLimit =
        waiting_.empty() && context_.session.counters.nResultFiles.load() > context_.maxLines;
    context_.effects.Hold(!waiting_.empty());
    return true;
}

void RunPipeline::Push(FolderBatch batch) {
    batch.shown = context_.effects.TakeHeld();
    if (ended_) return;
    batch.tickets.resize(batch.selected.size());
    if (batch.openFolder && waitingHandles_ >= kMostWaitingHandles) batch.openFolder.reset();
    for (size_t i = 0; i < batch.selected.size(); ++i) {
        const tagSelectedFileFolderStruct& entry = batch.selected[i];
        if (readAhead_ && entry.resultKind == kKindFileContent)
            batch.tickets[i] = readAhead_->Add(entry, batch.openFolder);
    }
    if (readAhead_) readAhead_->Wake();
    Wait(std::move(batch));
    if (!readAhead_) {
        TakeTurnsUntil([this] { return waiting_.empty(); });
        return;
    }
    // Folders whose files are all read take their turns now; beyond the
    // bounds the walk waits for the oldest.
    TakeTurnsUntil([this] {
        if (waiting_.empty()) return true;
        if (waiting_.size() > kMostWaitingFolders || waitingEntries_ > kMostWaitingEntries) return false;
        for (auto ticket = waiting_.front().tickets.rbegin(); ticket != waiting_.front().tickets.rend(); ++ticket)
            if (*ticket) return !readAhead_->ReadThrough(**ticket);
        return false;
    });
}

bool RunPipeline::Settle() {
    TakeTurnsUntil([this] { return waiting_.empty(); });
    if (ended_) return false;
    for (auto& effect : context_.effects.TakeHeld()) effect();
    context_.effects.Hold(false);
    return true;
}

void RunPipeline::Finish() {
    if (!ended_) TakeTurnsUntil([this] { return waiting_.empty(); });
    waiting_.clear();
    context_.effects.TakeHeld();
    context_.effects.Hold(false);
    readAhead_.reset();
}

void RunPipeline::Wait(FolderBatch batch) {
    waitingEntries_ += batch.selected.size();
    if (batch.openFolder) ++waitingHandles_;
    waiting_.push_back(std::move(batch));
}

FolderBatch RunPipeline::Next() {
    FolderBatch batch = std::move(waiting_.front());
    waiting_.pop_front();
    waitingEntries_ -= batch.selected.size();
    if (batch.openFolder) --waitingHandles_;
    return batch;
}

void RunPipeline::TakeTurnsUntil(const std::function<bool()>& enough) {
    while (!waiting_.empty() && !enough()) {
        FolderBatch batch = Next();
        TakeTurn(batch);
    }
}

void RunPipeline::TakeTurn(FolderBatch& batch) {
    if (ended_) return;
    Session& s = context_.session;
    for (auto& effect : batch.shown) effect();
    s.bStopSearch = batch.stopAfterWalk;
    SearchContent(batch);
    if (batch.restoreTimes) RestoreFileTimes(batch.folder, batch.lastAccess, batch.lastWrite);
    if (s.bStopRequest) s.bStopSearch = 1;
    shown_.CountersChanged();
    if (s.bStopSearch) End();
}

// The content phase: each selected entry in order, until the run stops.
void RunPipeline::SearchContent(FolderBatch& batch) {
    Session& s = context_.session;
    scan_.folder.Use(std::move(batch.openFolder));
    for (size_t i = 0; i < batch.selected.size(); ++i) {
        if (s.bStopRequest) s.bStopSearch = 1;
        if (s.bStopSearch) break;
        if (batch.tickets[i]) {
            FileReading reading = readAhead_->Take(*batch.tickets[i]);
            SearchFileContent(scan_, batch.selected[i], &reading);
        } else {
            SearchFileContent(scan_, batch.selected[i]);
        }
    }
}

void RunPipeline::End() {
    ended_ = true;
    if (readAhead_) readAhead_->Abandon();
    for (FolderBatch& batch : waiting_) batch.shown.clear();
    waiting_.clear();
    waitingEntries_ = 0;
    waitingHandles_ = 0;
}

}  // namespace qf
