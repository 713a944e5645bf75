// The content scan of one file with everything taken from the input: the
// text options (any values a settings file can hold), the query of any of
// the three kinds, the line cap (small, so that long lines are judged in
// windows) and the file's bytes, in any encoding (a mark before them, or
// written as UTF-16). The query passes the search-start checks
// first, as it does in the program. Where every needle fits in the overlap of
// the windows, a line judged in windows must give the hit lines and terms
// that it gives when read whole.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "platform/user_messages.h"
#include "reference_decoding.h"
#include "results/search_results.h"
#include "settings/default_lists.h"
#include "settings/search_start.h"
#include "textsearch/content_scan.h"
#include "textsearch/query_checks.h"

namespace {

using qf::Opt;

constexpr Opt kFlags[] = {
    Opt::CASESENSIT, Opt::NOTCONTAIN, Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::ALLINONECH, Opt::INANYORDER,
    Opt::INGIVORDER, Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS, Opt::INCDELIMTS, Opt::SELONEDELM,
    Opt::CHECKCOMMT, Opt::NOTSHCMMNT, Opt::ONLYSCMMNT, Opt::BOTHCMMNTS, Opt::INCCOMCHAR, Opt::ONECOMCHAR,
    Opt::STARTCHECK, Opt::STARTLNRAD, Opt::STARTTRADO, Opt::CLINENUMBR, Opt::LINENRADIO, Opt::TERMSRADIO,
};

// Mostly the small numbers the limits and line numbers are usually set to,
// sometimes any number at all.
int32_t Number(FuzzedDataProvider& in) {
    const uint8_t pick = in.ConsumeIntegral<uint8_t>();
    return pick < 224 ? int32_t(pick % 16) - 1 : in.ConsumeIntegral<int32_t>();
}

void SetOptions(FuzzedDataProvider& in, qf::Options& o) {
    for (Opt flag : kFlags) o.SetInt(flag, in.ConsumeBool());
    const Opt modes[] = {Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR};
    o.Choose({Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR}, modes[in.ConsumeIntegralInRange(0, 2)]);
    for (Opt number : {Opt::STARTLNUMB, Opt::EDITLNUMBR, Opt::RESLINENUM, Opt::SEARCHMAXL})
        o.SetInt(number, Number(in));
    if (in.ConsumeBool()) o.SetText(Opt::SEPARATORH, in.ConsumeRandomLengthString(2));
    o.SetText(Opt::SELONEDLMN, in.ConsumeRandomLengthString(2));
    o.SetText(Opt::SELONECHAR, in.ConsumeRandomLengthString(3));
    o.SetText(Opt::STARTETRMS, in.ConsumeRandomLengthString(12));
    o.SetText(Opt::EDITSTERMS, in.ConsumeRandomLengthString(12));
    if (in.ConsumeBool()) o.Mutable(Opt::INCDELMMAP).map[in.ConsumeRandomLengthString(2)] = 0;
    if (in.ConsumeBool()) o.Mutable(Opt::INCCOMMMAP).map[in.ConsumeRandomLengthString(3)] = 0;
    const std::string query = in.ConsumeRandomLengthString(64);
    o.SetText(o.On(Opt::STANRADIO1) ? Opt::FINDTEXTS1 : Opt::FINDRICHED, query);
}

// The longest text the scan looks for in a line: terms, comment strings,
// start and stop terms (as typed: their phrase marks only make them shorter).
size_t LongestNeedle(const qf::Options& o, const qf::QueryContext& query) {
    size_t longest = std::max({o.Text(Opt::SELONECHAR).size(), o.Text(Opt::STARTETRMS).size(),
                               o.Text(Opt::EDITSTERMS).size()});
    for (const std::string& term : query.foldedTerms) longest = std::max(longest, term.size());
    for (const auto& [comment, count] : o.Map(Opt::INCCOMMMAP)) longest = std::max(longest, comment.size());
    return longest;
}

// Hit lines by number, each with the terms it holds.
std::vector<std::pair<uint32_t, std::vector<std::string>>> Shape(const qf::MAP_LINES_WITH_HITS& lines) {
    std::vector<std::pair<uint32_t, std::vector<std::string>>> shape;
    for (const auto& [number, line] : lines) {
        shape.emplace_back(number, std::vector<std::string>{});
        for (const auto& [term, positions] : line.mapTermPositions) shape.back().second.push_back(term);
    }
    return shape;
}

qf::MAP_LINES_WITH_HITS ScanWithCap(qf::ContentScanContext& context, const std::string& path, size_t cap) {
    qf::LineReader reader(qf::ContentFile::Open(path), !context.query.matcher.caseSensitive, cap);
    qf::MAP_LINES_WITH_HITS lines;
    qf::ScanLines(context, reader, lines);
    return lines;
}

// The file holds the same text as the body in UTF-16 (the body being
// UTF-8 that does not begin with a mark of its own).
bool WrittenAsUtf16(uint8_t form, const std::string& body) {
    return qffuzz::WritesAsUtf16(form) && qffuzz::WellFormedUtf8(body) && body.rfind("\xEF\xBB\xBF", 0) != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    qf::SettingsState state;
    qf::LoadDefaultLists(state.options);
    SetOptions(in, state.options);
    const size_t lineCap = in.ConsumeBool() ? qf::kLineCap : in.ConsumeIntegralInRange<size_t>(2, 48);
    qf::RunCounters counters;
    counters.nResultLines = in.ConsumeIntegralInRange(0, 12);
    const std::string folder = qffuzz::ScratchFolder();
    const uint8_t form = in.ConsumeIntegral<uint8_t>();
    const std::string body = in.ConsumeRemainingBytesAsString();
    qffuzz::WriteBytes(folder + "/file.txt", qffuzz::InSomeEncoding(form, body));

    state.options.SetList(Opt::DIRECTORIS, {folder});
    qf::BooleanQuery boolean;
    qf::RecordingMessages messages;
    std::atomic<int> stopRequest{0};
    qf::RegexFault patternFault;
    if (!qf::ValidateSearchStart(state, qf::FullQueryChecks(boolean, state.options, patternFault), messages,
                                 stopRequest))
        return 0;

    const qf::QueryContext query = qf::MakeQueryContext(state.options, state.searchTerms, &boolean);
    qf::SearchResults results;
    std::atomic<int> stopSearch{0};
    qf::SearchObserver observer;
    qf::ContentScanContext context{query, results, counters, stopSearch, stopRequest, observer};
    context.lineCap = lineCap;
    const std::string path = folder + "/file.txt";
    if (lineCap < qf::kLineCap && LongestNeedle(state.options, query) + 2 <= lineCap / 2)
        qffuzz::Require(Shape(ScanWithCap(context, path, lineCap)) == Shape(ScanWithCap(context, path, qf::kLineCap)),
                        "a line read in windows has the hits it has when read whole");
    if (WrittenAsUtf16(form, body)) {
        qffuzz::WriteBytes(folder + "/plain.txt", body);
        qffuzz::Require(Shape(ScanWithCap(context, path, lineCap)) == Shape(ScanWithCap(context, folder + "/plain.txt", lineCap)),
                        "text written as UTF-16 has the hits it has as UTF-8");
    }
    qf::tagSelectedFileFolderStruct entry;
    entry.folderPath = folder;
    entry.fileName = "file.txt";
    entry.extension = "txt";
    entry.fullPath = path;
    qf::SearchFileContent(context, entry);
    return 0;
}
