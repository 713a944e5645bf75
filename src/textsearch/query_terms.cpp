#include "textsearch/query_terms.h"

namespace qf {
namespace {

bool IsQuerySpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view TrimSpaces(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

// Where each mark starts; the search goes on one character after each.
std::vector<size_t> MarkPositions(std::string_view text, std::string_view mark) {
    std::vector<size_t> positions;
    if (mark.empty()) return positions;
    for (size_t p = text.find(mark); p != std::string_view::npos; p = text.find(mark, p + 1))
        positions.push_back(p);
    return positions;
}

Message OddMarksMessage(size_t count) {
    return WarningMessage("Warning !    Msg no: 0073.",
                          "Odd number of marks(separators) : " + std::to_string(count) +
                              "\n\nAction : You must enter an even number of separators(marks).");
}

}  // namespace

void SplitWords(std::string_view text, std::vector<std::string>& words) {
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsQuerySpace(text[i])) ++i;
        const size_t start = i;
        while (i < text.size() && !IsQuerySpace(text[i])) ++i;
        if (i > start) words.emplace_back(text.substr(start, i - start));
    }
}

int ParseQueryTerms(std::string_view text, std::string_view mark, std::vector<std::string>& terms,
                    UserMessages& messages) {
    const std::vector<size_t> marks = MarkPositions(text, mark);
    if (marks.size() % 2 != 0) {
        messages.Show(OddMarksMessage(marks.size()));
        return 0;
    }
    std::vector<size_t> p;
    p.reserve(marks.size() + 2);
    p.push_back(0);
    p.insert(p.end(), marks.begin(), marks.end());
    p.push_back(text.size());

    for (size_t i = 0; i + 1 < p.size(); ++i) {
        if (i == 0) {
            SplitWords(text.substr(0, p[1]), terms);
            continue;
        }
        // Text strictly between the mark at p[i] and the next boundary.
        const size_t begin = std::min(p[i] + mark.size(), p[i + 1]);
        const std::string_view segment = text.substr(begin, p[i + 1] - begin);
        if (i % 2 == 1)
            terms.emplace_back(TrimSpaces(segment));
        else
            SplitWords(segment, terms);
    }
    return 1;
}

QueryChecks DefaultQueryChecks() {
    QueryChecks checks;
    checks.standard = [](const std::string& text, const std::string& mark, std::vector<std::string>& terms,
                         UserMessages& messages) { return ParseQueryTerms(text, mark, terms, messages); };
    return checks;
}

}  // namespace qf
