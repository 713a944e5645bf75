#include "textsearch/text_options_checks.h"

#include <vector>

#include "textsearch/query_terms.h"

namespace qf {
namespace {

constexpr int64_t kMaxLimit = 10000;

std::string_view TrimBlanks(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

Message TooLargeNumber() { return WarningMessage("Warning !    Msg no: 0099.", "Maximum number to enter is : 2147483647"); }

std::optional<Message> LineNumberChecks(const TextOptionsFields& f) {
    int32_t start = 0;
    int32_t stop = 0;
    if (f.startSelected && !ParseLineNumber(f.startLineText, start)) return TooLargeNumber();
    if (f.stopSelected && !ParseLineNumber(f.stopLineText, stop)) return TooLargeNumber();
    if (f.startSelected && f.stopSelected) {
        if (!f.startByLine || !f.stopByLine) return std::nullopt;
        if (start == 0 && stop == 0)
            return WarningMessage("Warning !    Msg no: 0194.",
                                  "Both numbers are equal to 0 !!!\n\nAction : You must modified both numbers.");
        if (start != 0 && stop != 0 && start > stop)
            return WarningMessage("Warning !    Msg no: 0100.",
                                  "First number is greater than the second one !!!\n\nAction : You must modified one "
                                  "of the two numbers.");
        return std::nullopt;
    }
    if (f.startSelected && f.startByLine && start == 0)
        return WarningMessage("Warning !    Msg no: 0195.",
                              "Start line number is equal to 0 !!!\n\nAction : You must modified start line number.");
    if (f.stopSelected && f.stopByLine && stop == 0)
        return WarningMessage("Warning !    Msg no: 0196.",
                              "Stop line number is equal to 0 !!!\n\nAction : You must modified stop line number.");
    return std::nullopt;
}

struct TermFieldTexts {
    const char* which;  // "Start" or "Stop"
    const char* tooManyCaption;
    const char* emptyCaption;
};

std::optional<Message> TermFieldCheck(const std::string& text, bool byTermChosen, const std::string& mark,
                                      const TermFieldTexts& t) {
    std::vector<std::string> terms;
    RecordingMessages splitMessages;
    if (!ParseQueryTerms(TrimBlanks(text), mark, terms, splitMessages)) return splitMessages.Last();
    const std::string which = t.which;
    if (terms.size() > 1)
        return WarningMessage(t.tooManyCaption, "More than one term/phrase in " + which +
                                                    " term/phrase field!!!\n\nAction : You can enter only one "
                                                    "term/phrase!!!");
    if (byTermChosen && (terms.empty() || terms.front().empty()))
        return WarningMessage(t.emptyCaption, "Term/phrase to " + which +
                                                  " is empty !!!\n\nAction : You must enter one term,\n\n"
                                                  "              or uncheck this field.");
    return std::nullopt;
}

std::optional<Message> LimitTyped(int64_t& value, const char* caption, int64_t replacement) {
    if (value <= kMaxLimit) return std::nullopt;
    value = replacement;
    return WarningMessage(caption, "Maximum number to enter is : 10000.");
}

}  // namespace

bool ParseLineNumber(std::string_view text, int32_t& value) {
    const std::string_view digits = TrimBlanks(text);
    if (digits.empty()) return false;
    int64_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
        if (n > 2147483647) return false;
    }
    value = int32_t(n);
    return true;
}

std::optional<Message> CheckTextOptions(const TextOptionsFields& f) {
    if (auto m = LineNumberChecks(f)) return m;
    if (auto m = TermFieldCheck(f.startTermText, f.startSelected && f.startByTerm, f.mark,
                                {"Start", "Warning !    Msg no: 0202.", "Warning !    Msg no: 0102."}))
        return m;
    if (auto m = TermFieldCheck(f.stopTermText, f.stopSelected && f.stopByTerm, f.mark,
                                {"Stop", "Warning !    Msg no: 0203.", "Warning !    Msg no: 0103."}))
        return m;
    if (f.startSelected && f.stopSelected && f.startByTerm && f.stopByTerm &&
        TrimBlanks(f.startTermText) == TrimBlanks(f.stopTermText))
        return WarningMessage("Warning !    Msg no: 0273.",
                              "Start term and stop term/phrase are equal. This might cause undefined state!!!\n\n"
                              "Action : You must change either the start or the stop term/phrase!!!");
    return std::nullopt;
}

std::optional<Message> CheckRunLimitTyped(int64_t& value) {
    return LimitTyped(value, "Warning !    Msg no: 0148.", kMaxLimit);
}

std::optional<Message> CheckFileLimitTyped(int64_t& value) {
    return LimitTyped(value, "Warning !    Msg no: 0114.", 10);
}

}  // namespace qf
