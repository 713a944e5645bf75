#include "textsearch/micro_boolean.h"

#include "textsearch/boolean_evaluation.h"

namespace qf {

int LineMatchesMicroBoolean(const BooleanQuery& query, const MAP_TERM_POSITIONS& line, bool caseSensitive) {
    return EvaluateTerms(query, line, caseSensitive);
}

}  // namespace qf
