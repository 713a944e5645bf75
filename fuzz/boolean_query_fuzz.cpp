// A Boolean query of any bytes: checked, and when it passes evaluated over a
// set of found terms taken from the input. The normal form the editor then
// shows must pass the check again and mean the same.

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/case_folding.h"
#include "platform/user_messages.h"
#include "textsearch/boolean_evaluation.h"
#include "textsearch/boolean_syntax.h"

namespace {

// The terms whose bit is set in `chosen`, in comparison form.
qf::MAP_HITS FoundTerms(const std::vector<std::string>& terms, uint64_t chosen, bool caseSensitive) {
    qf::MAP_HITS found;
    for (size_t i = 0; i < terms.size(); ++i)
        if (chosen >> (i % 64) & 1) found[qf::ComparisonText(terms[i], caseSensitive)] = 1;
    return found;
}

bool IsPhraseMark(const std::string& mark) {
    if (mark.empty()) return false;
    for (unsigned char c : mark)
        if (c <= ' ' || c >= 0x7F || std::isalnum(c) || c == '(' || c == ')' || c == '.') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::string mark = in.ConsumeBool() ? "\"" : in.ConsumeRandomLengthString(2);
    // A phrase mark is punctuation other than brackets and points: the
    // normal form spaces the brackets and writes the operators in capitals,
    // so a mark of blanks, letters or those signs could not read it back.
    if (!IsPhraseMark(mark)) mark = "\"";
    const bool caseSensitive = in.ConsumeBool();
    const uint64_t chosen = in.ConsumeIntegral<uint64_t>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    qf::BooleanQuery query;
    std::vector<std::string> terms;
    qf::RecordingMessages messages;
    if (!qf::CheckBooleanQuery(text, mark, query, terms, messages)) {
        qffuzz::Require(messages.Count() >= 1, "a refused Boolean query is told");
        return 0;
    }
    const qf::MAP_HITS found = FoundTerms(terms, chosen, caseSensitive);
    const int value = qf::EvaluateBoolean(query, found, caseSensitive);
    qffuzz::Require(value == 0 || value == 1, "a Boolean query is true or false");

    qf::BooleanQuery again;
    std::vector<std::string> againTerms;
    qffuzz::Require(qf::CheckBooleanQuery(query.normalForm, mark, again, againTerms, messages) == 1,
                    "the normal form passes the check");
    qffuzz::Require(againTerms == terms && again.tokens == query.tokens, "the normal form keeps the query");
    qffuzz::Require(qf::EvaluateBoolean(again, found, caseSensitive) == value, "the normal form has the same value");
    return 0;
}
