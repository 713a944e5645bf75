#include "textsearch/file_rule.h"

#include "results/result_kind.h"
#include "textsearch/boolean_evaluation.h"
#include "textsearch/micro_boolean.h"

namespace qf {
namespace {

FileVerdict StandardFileRule(const QueryContext& query, const MAP_LINES_WITH_HITS& lines) {
    const Options& o = *query.options;
    if (o.On(Opt::NOTCONTAIN)) return {lines.empty(), kKindNotFileContent};
    if (o.On(Opt::CKANYWORDS)) return {!lines.empty(), kKindFileContent};
    // Every hit line is reported, even one that holds only some of the terms.
    return {!lines.empty() && CountHits(lines).size() == query.foldedTerms.size(), kKindFileContent};
}

}  // namespace

QueryMode ModeOf(const Options& options) {
    if (options.On(Opt::BOOLRADIO1)) return QueryMode::Boolean;
    if (options.On(Opt::MICROBOOLR)) return QueryMode::MicroBoolean;
    return QueryMode::Standard;
}

FileVerdict ApplyFileRule(const QueryContext& query, const MAP_LINES_WITH_HITS& lines) {
    switch (ModeOf(*query.options)) {
        case QueryMode::Boolean: {
            const bool found =
                query.boolean && EvaluateFile(*query.boolean, lines, query.matcher.caseSensitive) == 1;
            return {found, lines.empty() ? kKindNotFileContent : kKindFileContent};
        }
        case QueryMode::MicroBoolean: return {MicroBooleanFileFound(lines), kKindFileContent};
        case QueryMode::Standard: break;
    }
    return StandardFileRule(query, lines);
}

}  // namespace qf
