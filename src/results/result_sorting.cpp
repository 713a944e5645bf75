#include "results/result_sorting.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "platform/case_fold.h"
#include "platform/parallel_parts.h"
#include "results/list_view_spacer.h"
#include "results/result_rebuild.h"
#include "results/result_renumber.h"
#include "results/result_sort_keys.h"

namespace qf {
namespace {

Message NoResultLinesMessage() {
    return WarningMessage("Warning !    Msg no: 0244.",
                          "No result lines !\n\nAction: You must do search to get result lines.");
}

Message UnknownSortKeyMessage() {
    Message m;
    m.caption = "Error !    Msg no: 0062.";
    m.text = "Default Sort Order. This case couldn't happen!!!\n\nAction: Please immediately E-mail us.";
    m.icon = MsgIcon::None;
    return m;
}

// Puts element order[i] at position i by swapping along the permutation's
// cycles: no second list of ten thousand records is built.
void PermuteInPlace(RESULT_LIST& list, std::vector<size_t> order) {
    for (size_t i = 0; i < order.size(); ++i) {
        size_t current = i;
        while (order[current] != i) {
            const size_t next = order[current];
            std::swap(list[current], list[next]);
            order[current] = current;
            current = next;
        }
        order[current] = current;
    }
}

// A stable sort that finds the runs already in order first and merges them
// pairwise: the rebuild's order is mostly the sorted one, with a few runs
// out of place, so this takes far fewer comparisons than sorting from
// scratch. False when `order` was in order already.
template <typename Before>
bool MergeRuns(std::vector<size_t>& order, Before before) {
    std::vector<size_t> bounds = {0};
    for (size_t i = 1; i < order.size(); ++i)
        if (before(order[i], order[i - 1])) bounds.push_back(i);
    if (bounds.size() == 1) return false;
    bounds.push_back(order.size());
    while (bounds.size() > 2) {
        std::vector<size_t> merged = {0};
        for (size_t k = 0; k + 1 < bounds.size(); k += 2) {
            const size_t end = k + 2 < bounds.size() ? bounds[k + 2] : bounds[k + 1];
            if (k + 2 < bounds.size())
                std::inplace_merge(order.begin() + long(bounds[k]), order.begin() + long(bounds[k + 1]),
                                   order.begin() + long(end), before);
            merged.push_back(end);
        }
        bounds = std::move(merged);
    }
    return true;
}

// True when no record's default key comes before the one of the record
// above it: the sort would keep the list as it is, so no keys are made. A
// long list's parts are checked side by side, each row against the one
// above it, which no part changes.
bool InDefaultOrder(const RESULT_LIST& list, bool descending, int threads) {
    const size_t parts = RecordParts(list.size(), threads);
    std::vector<char> inOrder(parts, 1);
    RunParts(parts, [&](size_t part) {
        const auto [first, end] = PartRange(list.size(), parts, part);
        for (size_t i = std::max<size_t>(first, 1); i < end && inOrder[part]; ++i) {
            const int order = CompareDefaultKeys(list[i - 1], list[i]);
            if (descending ? order < 0 : order > 0) inOrder[part] = 0;
        }
    });
    return std::all_of(inOrder.begin(), inOrder.end(), [](char in) { return in != 0; });
}

// Rebuilds the list from the store and swaps the new list in. The lock is
// held while the records are made (about what copying the store would
// cost) and for the swap, not for the sort: a window painting rows must not
// wait for a whole sort. Returns false when the store is empty.
bool RebuildSorted(SearchResults& results, ResultViewState& view, int maxLinesPerFile, int keyIndex,
                   bool descending, bool* knownKey, int threads) {
    RESULT_LIST list;
    bool empty = true;
    results.Read([&](const RESULT_LIST&, const FileResultsStore& store) {
        empty = store.empty();
        if (empty) return;
        // Made in the default order, the list need not be moved by its sort.
        const FileOrder order =
            keyIndex == kDefaultSortKey && !descending ? FileOrder::FolderAndFile : FileOrder::Store;
        list = RebuildResultList(store, maxLinesPerFile, threads, order);
        view.folderCount = CountFolders(store);
    });
    if (empty) {
        results.ReplaceList({});
        view.folderFileCounts.clear();
        return false;
    }
    ListViewSpacer(list, threads);
    const bool sorted = SortResultList(list, keyIndex, descending, threads);
    if (knownKey) *knownKey = sorted;
    view.folderFileCounts = RenumberResultList(list, threads);
    results.ReplaceList(std::move(list));
    return true;
}

}  // namespace

void SortListByKey(RESULT_LIST& list, const std::function<void(const tagPrivStruct&, std::string&)>& appendKey,
                   bool descending, int threads) {
    // The keys of a part in one buffer: one allocation instead of one per
    // record. A long list's parts are keyed side by side.
    const size_t parts = RecordParts(list.size(), threads);
    std::vector<std::string> arenas(parts);
    std::vector<size_t> ends(list.size());
    RunParts(parts, [&](size_t part) {
        const auto [first, end] = PartRange(list.size(), parts, part);
        std::string& arena = arenas[part];
        for (size_t r = first; r < end; ++r) {
            const size_t begin = arena.size();
            appendKey(list[r], arena);
            for (size_t i = begin; i < arena.size(); ++i) arena[i] = AsciiLower(arena[i]);
            ends[r] = arena.size();
        }
    });
    std::vector<std::string_view> keys(list.size());
    for (size_t part = 0; part < parts; ++part) {
        const auto [first, end] = PartRange(list.size(), parts, part);
        for (size_t r = first, begin = 0; r < end; begin = ends[r++])
            keys[r] = std::string_view(arenas[part]).substr(begin, ends[r] - begin);
    }
    std::vector<size_t> order(list.size());
    std::iota(order.begin(), order.end(), size_t(0));
    // Equal keys keep the rebuild's order, so repeated sorts show the same rows.
    if (!MergeRuns(order, [&](size_t a, size_t b) { return descending ? keys[b] < keys[a] : keys[a] < keys[b]; }))
        return;
    PermuteInPlace(list, std::move(order));
}

bool SortResultList(RESULT_LIST& list, int keyIndex, bool descending, int threads) {
    if (keyIndex < 0 || keyIndex >= kSortKeyCount) return false;
    if (keyIndex == kDefaultSortKey && InDefaultOrder(list, descending, threads)) return true;
    SortListByKey(list, [keyIndex](const tagPrivStruct& r, std::string& out) { AppendSortKey(r, keyIndex, out); },
                  descending, threads);
    return true;
}

size_t RebuildAndDefaultSort(SearchResults& results, ResultViewState& view, int maxLinesPerFile,
                             SearchObserver* observer, int threads) {
    if (observer) observer->StatusText("Sorting ...");
    RebuildSorted(results, view, maxLinesPerFile, kDefaultSortKey, false, nullptr, threads);
    return results.Size();
}

CommandOutcome SortCommand(SearchResults& results, ResultViewState& view, Options& options, SortRequest request,
                           UserMessages& messages, SearchObserver* observer) {
    const bool known = request.keyIndex >= 0 && request.keyIndex < kSortKeyCount;
    options.Choose({Opt::ASCSORTORD, Opt::DSCSORTORD}, request.descending ? Opt::DSCSORTORD : Opt::ASCSORTORD);
    options.SetInt(Opt::SELSORTORD, request.keyIndex);
    options.SetText(Opt::SELSORTORD, known ? std::string(kSortKeyTexts[size_t(request.keyIndex)]) : std::string());

    if (observer) observer->StatusText("Sorting ...");
    bool knownKey = true;
    if (!RebuildSorted(results, view, kNoLineLimit, request.keyIndex, request.descending, &knownKey, 1)) {
        messages.Show(NoResultLinesMessage());
        return CommandOutcome::Refused;
    }
    if (!knownKey) messages.Show(UnknownSortKeyMessage());
    const int state = options.Int(Opt::LISTORIGMO);
    if (state == 0 || state == 2) options.SetInt(Opt::LISTORIGMO, state + 1);
    return CommandOutcome::Done;
}

}  // namespace qf
