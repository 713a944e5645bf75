// Splitting a query of any bytes with any phrase mark (a settings file may
// carry any mark, not only the ones the dialog offers).

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/user_messages.h"
#include "textsearch/query_terms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string mark = in.ConsumeRandomLengthString(3);
    const std::string text = in.ConsumeRemainingBytesAsString();

    std::vector<std::string> terms;
    qf::RecordingMessages messages;
    if (!qf::ParseQueryTerms(text, mark, terms, messages)) {
        qffuzz::Require(messages.Count() == 1 && terms.empty(), "a refused query gives one message and no terms");
        return 0;
    }
    qffuzz::Require(messages.Count() == 0, "a query that splits gives no message");
    for (const std::string& term : terms) qffuzz::Require(text.find(term) != std::string::npos, "every term is text of the query");
    return 0;
}
