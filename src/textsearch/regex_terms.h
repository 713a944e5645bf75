#pragma once
// Terms that are regular expressions (REGEXTERMS): each term of the term
// list is compiled once for a run, with JIT, and matched against the
// comparison form of a line. The compiled patterns are shared, read only, by
// every scan; each scan matches through match data of its own.
//
// Text is always UTF-8 by the time it is matched (an 8-bit file has been read
// as Windows-1252), so patterns are compiled as UTF-8 with Unicode properties:
// `.`, classes, \w, \b and caseless matching work on characters. A byte that
// begins no UTF-8 sequence is matched by nothing, not even `.`.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct pcre2_real_code_8;
struct pcre2_real_match_data_8;
struct pcre2_real_match_context_8;

namespace qf {

// Why a term is not a pattern: the term as typed, the library's message and
// the offset in the pattern where it gave up.
struct RegexFault {
    std::string term;
    std::string error;
    size_t offset = 0;
};

enum class RegexFind { Found, None, Limit };

// Bounds on the work of one match: a line that needs more is given up.
constexpr uint32_t kRegexMatchLimit = 1000000;
constexpr uint32_t kRegexDepthLimit = 10000;

// The scratch space of one scan: never shared between threads.
class RegexMatchData {
public:
    RegexMatchData();
    ~RegexMatchData();
    RegexMatchData(RegexMatchData&& other) noexcept;
    RegexMatchData& operator=(RegexMatchData&& other) noexcept;
    RegexMatchData(const RegexMatchData&) = delete;
    RegexMatchData& operator=(const RegexMatchData&) = delete;

private:
    friend class RegexTerms;
    pcre2_real_match_data_8* data_ = nullptr;
};

class RegexTerms {
public:
    // Compiles every term; null and the first fault when one does not compile.
    // jit: also compile to machine code (a run does; a check need not).
    static std::shared_ptr<const RegexTerms> Compile(const std::vector<std::string>& terms, bool caseSensitive,
                                                     bool jit, RegexFault* fault);
    ~RegexTerms();
    RegexTerms(const RegexTerms&) = delete;
    RegexTerms& operator=(const RegexTerms&) = delete;

    size_t Size() const { return patterns_.size(); }
    RegexMatchData MakeMatchData() const { return RegexMatchData(); }

    // The first match of term `entry` in text that starts at or after from.
    // A part of a longer line: notStart / notEnd keep ^ and $ from matching
    // at its edges. Limit: the match needed more work than allowed.
    RegexFind Find(size_t entry, std::string_view text, size_t from, RegexMatchData& scratch, size_t& start,
                   size_t& length, bool notStart = false, bool notEnd = false) const;

    // Literal text that every match of term `entry` holds, case folded when the
    // search is not case sensitive; empty when none is known.
    const std::string& RequiredLiteral(size_t entry) const { return literals_[entry]; }

private:
    RegexTerms();
    std::vector<pcre2_real_code_8*> patterns_;
    std::vector<bool> jitted_;  // compiled to machine code: matched without the interpreter's checks
    std::vector<std::string> literals_;
    pcre2_real_match_context_8* context_ = nullptr;
};

// Literal ASCII text that every match of the pattern must contain, found by
// reading the pattern conservatively: the longest run of plain characters at
// its top level, none optional. Empty when the pattern has top-level
// alternatives, inline options or anything it cannot be sure of.
std::string RequiredLiteralOf(std::string_view pattern);

}  // namespace qf
