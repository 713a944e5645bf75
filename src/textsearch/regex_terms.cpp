#include "textsearch/regex_terms.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cctype>
#include <utility>

#include "platform/utf8_text.h"

namespace qf {
namespace {

std::string ErrorText(int code) {
    PCRE2_UCHAR buffer[256];
    const int n = pcre2_get_error_message(code, buffer, sizeof buffer);
    return n > 0 ? std::string(reinterpret_cast<const char*>(buffer), size_t(n)) : "error " + std::to_string(code);
}

bool IsLimit(int rc) {
    return rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT || rc == PCRE2_ERROR_HEAPLIMIT ||
           rc == PCRE2_ERROR_JIT_STACKLIMIT;
}

bool IsQuantifier(char c) { return c == '*' || c == '?' || c == '{'; }

// Skips a character class starting at `[`; returns the index after its `]`.
size_t SkipClass(std::string_view p, size_t i) {
    ++i;
    if (i < p.size() && p[i] == '^') ++i;
    if (i < p.size() && p[i] == ']') ++i;  // a leading ] is a member
    while (i < p.size() && p[i] != ']') i += p[i] == '\\' ? 2 : 1;
    return i + 1;
}

// Skips a group starting at `(`; returns the index after its `)`.
size_t SkipGroup(std::string_view p, size_t i) {
    int depth = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (c == '\\') {
            i += 2;
            continue;
        }
        if (c == '[') {
            i = SkipClass(p, i);
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')' && --depth == 0) return i + 1;
        ++i;
    }
    return i;
}

// The character an item stands for when it is a plain ASCII character, or 0.
char PlainCharacter(std::string_view p, size_t i, size_t& width) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    width = 1;
    if (c == '\\') {
        width = 2;
        if (i + 1 >= p.size()) return 0;
        const unsigned char e = static_cast<unsigned char>(p[i + 1]);
        // An escaped punctuation character is itself; an escaped letter or digit is a class, an anchor or a code.
        return std::ispunct(e) ? char(e) : 0;
    }
    if (c >= 0x80 || !std::isprint(c)) return 0;
    if (std::string_view(".^$*+?()[]{}|").find(char(c)) != std::string_view::npos) return 0;
    return char(c);
}

}  // namespace

RegexMatchData::RegexMatchData() = default;
RegexMatchData::~RegexMatchData() { pcre2_match_data_free(data_); }
RegexMatchData::RegexMatchData(RegexMatchData&& other) noexcept : data_(std::exchange(other.data_, nullptr)) {}
RegexMatchData& RegexMatchData::operator=(RegexMatchData&& other) noexcept {
    std::swap(data_, other.data_);
    return *this;
}

RegexTerms::RegexTerms() : context_(pcre2_match_context_create(nullptr)) {
    pcre2_set_match_limit(context_, kRegexMatchLimit);
    pcre2_set_depth_limit(context_, kRegexDepthLimit);
}

RegexTerms::~RegexTerms() {
    for (pcre2_code* code : patterns_) pcre2_code_free(code);
    pcre2_match_context_free(context_);
}

std::shared_ptr<const RegexTerms> RegexTerms::Compile(const std::vector<std::string>& terms, bool caseSensitive,
                                                      bool jit, RegexFault* fault) {
    std::shared_ptr<RegexTerms> set(new RegexTerms());
    uint32_t flags = PCRE2_UTF | PCRE2_UCP | PCRE2_MATCH_INVALID_UTF;
    if (!caseSensitive) flags |= PCRE2_CASELESS;
    for (const std::string& term : terms) {
        const std::string pattern = AsUtf8Text(term);
        int code = 0;
        PCRE2_SIZE offset = 0;
        pcre2_code* compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), flags,
                                             &code, &offset, nullptr);
        if (!compiled) {
            if (fault) *fault = RegexFault{term, ErrorText(code), size_t(offset)};
            return nullptr;
        }
        // Without JIT (not built in, or no memory for it) the interpreter matches the same.
        set->jitted_.push_back(jit && pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE) == 0);
        set->patterns_.push_back(compiled);
        std::string literal = RequiredLiteralOf(pattern);
        if (!caseSensitive)
            for (char& c : literal) c = char(std::tolower(static_cast<unsigned char>(c)));
        set->literals_.push_back(std::move(literal));
    }
    return set;
}

RegexFind RegexTerms::Find(size_t entry, std::string_view text, size_t from, RegexMatchData& scratch, size_t& start,
                           size_t& length, bool notStart, bool notEnd) const {
    if (from > text.size()) return RegexFind::None;
    // Made at the first match: most scans hold one and never match a pattern.
    if (!scratch.data_) scratch.data_ = pcre2_match_data_create(1, nullptr);
    if (!scratch.data_) return RegexFind::None;
    uint32_t options = 0;
    if (notStart) options |= PCRE2_NOTBOL;
    if (notEnd) options |= PCRE2_NOTEOL;
    const auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
    const int rc = jitted_[entry]
                       ? pcre2_jit_match(patterns_[entry], subject, text.size(), from, options, scratch.data_, context_)
                       : pcre2_match(patterns_[entry], subject, text.size(), from, options, scratch.data_, context_);
    if (rc == PCRE2_ERROR_NOMATCH) return RegexFind::None;
    if (rc < 0) return IsLimit(rc) ? RegexFind::Limit : RegexFind::None;
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(scratch.data_);
    start = size_t(ovector[0]);
    length = size_t(ovector[1] - ovector[0]);
    return RegexFind::Found;
}

std::string RequiredLiteralOf(std::string_view p) {
    // Inline options could change case or meaning; \Q..\E quotes whatever follows.
    // \g and \k call or refer back to groups by names the text would not hold.
    for (std::string_view unsure : {"(?", "\\Q", "\\g", "\\k", "\\c"})
        if (p.find(unsure) != std::string_view::npos) return {};
    std::string best;
    std::string run;
    auto endRun = [&] {
        if (run.size() > best.size()) best = run;
        run.clear();
    };
    for (size_t i = 0; i < p.size();) {
        const char c = p[i];
        if (c == '|') return {};  // alternatives at the top level: nothing is required
        if (c == '(') {
            endRun();
            i = SkipGroup(p, i);
            continue;
        }
        if (c == '[') {
            endRun();
            i = SkipClass(p, i);
            continue;
        }
        if (c == '{') {  // a count, or the argument of an escape such as \x{41}
            endRun();
            const size_t close = p.find('}', i);
            i = close == std::string_view::npos ? p.size() : close + 1;
            continue;
        }
        size_t width = 1;
        const char plain = PlainCharacter(p, i, width);
        const bool repeated = i + width < p.size() && (IsQuantifier(p[i + width]) || p[i + width] == '+');
        if (!plain) {
            endRun();
        } else if (repeated && p[i + width] != '+') {
            endRun();  // optional: not required
        } else {
            run += plain;
            if (repeated) endRun();  // required once, then repeated
        }
        i += width;
    }
    endRun();
    return best;
}

}  // namespace qf
