// The fast content scan against a plain, line-by-line reading of the same
// rules, over many generated files and queries.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "results/result_store.h"
#include "scan_fixture.h"
#include "textsearch/long_line.h"

using qf::Opt;

namespace {

// ---- The plain reading ------------------------------------------------------

enum class WholePart { Both, Whole, Part };
enum class FileMode { All, Any, None };
enum class Delims { Included, Bang, Blank };
enum class Comments { Off, HideCommented, OnlyBoth, OnlyCommented };

struct Query {
    std::vector<std::string> terms;
    bool caseSensitive = false;
    WholePart wholePart = WholePart::Both;
    Delims delims = Delims::Included;
    FileMode mode = FileMode::All;
    bool allInOne = false;
    bool givenOrder = false;
    int perFile = 100;
    int startLine = 0;      // 0: no start line
    std::string startTerm;  // empty: no start term
    int stopLine = -1;      // -1: no stop line
    std::string stopTerm;   // empty: no stop term
    int runRoom = -1;       // result lines left before the run's limit; -1: plenty
    Comments comments = Comments::Off;
    std::string commentString;  // the one comment string, in comparison form
};

constexpr int kRunLimit = 10000;
constexpr int kQueriesPerFile = 4;

struct Outcome {
    std::vector<std::pair<int32_t, int32_t>> records;  // line number, result kind
    qf::MAP_LINES_WITH_HITS lines;                      // as kept in the per-file store
    int stopSearch = 0;
};

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::string current;
    for (char c : content) {
        if (c != '\n') {
            current += c;
            continue;
        }
        if (!current.empty() && current.back() == '\r') current.pop_back();
        lines.push_back(current);
        current.clear();
    }
    if (!content.empty() && content.back() != '\n') lines.push_back(current);
    return lines;
}

std::string Fold(std::string s, bool caseSensitive) {
    if (caseSensitive) return s;
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

bool IsDelim(const Query& q, char c) {
    switch (q.delims) {
        case Delims::Included: return std::string("! .,?\"'()[]{}").find(c) != std::string::npos;
        case Delims::Bang: return c == '!';
        case Delims::Blank: return c == ' ';
    }
    return false;
}

bool IsWhole(const Query& q, const std::string& l, size_t p, size_t n) {
    const bool atStart = p == 0;
    const bool atEnd = p + n == l.size();
    if (atStart && atEnd) return true;
    const char last = l[p + n - 1];
    if (!atEnd && last >= '0' && last <= '9' && (l[p + n] == '.' || l[p + n] == ',')) {
        const bool atEndPlusOne = p + n + 1 == l.size();
        if (atStart) return atEndPlusOne || IsDelim(q, l[p + n + 1]);
        return IsDelim(q, l[p - 1]) && (atEndPlusOne || IsDelim(q, l[p + n + 1]));
    }
    if (atStart) return IsDelim(q, l[p + n]);
    if (atEnd) return IsDelim(q, l[p - 1]);
    return IsDelim(q, l[p - 1]) && IsDelim(q, l[p + n]);
}

bool Accepts(const Query& q, const std::string& l, size_t p, size_t n) {
    switch (q.wholePart) {
        case WholePart::Both: return true;
        case WholePart::Whole: return IsWhole(q, l, p, n);
        case WholePart::Part: return !IsWhole(q, l, p, n);
    }
    return false;
}

bool CommentAccepts(const Query& q, const std::string& folded, int32_t first, int32_t last) {
    if (q.comments == Comments::Off) return true;
    const size_t c = folded.find(q.commentString);
    const int cls = c == std::string::npos ? 0 : int32_t(c) < first ? 1 : int32_t(c) > last ? 2 : 3;
    switch (q.comments) {
        case Comments::HideCommented: return cls != 1;
        case Comments::OnlyBoth: return cls == 3;
        case Comments::OnlyCommented: return cls == 1;
        case Comments::Off: break;
    }
    return true;
}

qf::MAP_TERM_POSITIONS TermsInLine(const Query& q, const std::string& folded) {
    qf::MAP_TERM_POSITIONS map;
    for (const std::string& raw : q.terms) {
        const std::string term = Fold(raw, q.caseSensitive);
        qf::DEQUE_POSITIONS_IN_LINE found;
        for (size_t p = folded.find(term); p != std::string::npos; p = folded.find(term, p + term.size()))
            if (Accepts(q, folded, p, term.size())) found.push_back(int32_t(p));
        if (!found.empty() && CommentAccepts(q, folded, found.front(), found.back())) map[term] = found;
    }
    return map;
}

bool GivenOrderHolds(const Query& q, const qf::MAP_TERM_POSITIONS& map) {
    bool holds = true;
    int32_t prev = map.at(Fold(q.terms[0], q.caseSensitive)).front();
    for (const std::string& raw : q.terms) {
        const auto& positions = map.at(Fold(raw, q.caseSensitive));
        bool stepped = false;
        for (int32_t p : positions)
            if (p >= prev) {
                prev = p;
                stepped = true;
                break;
            }
        if (!stepped) {
            holds = false;
            prev = positions.front();
        }
    }
    return holds;
}

bool LineQualifies(const Query& q, const qf::MAP_TERM_POSITIONS& map) {
    if (map.empty()) return false;
    if (!q.allInOne) return true;
    if (map.size() != q.terms.size()) return false;
    return !q.givenOrder || GivenOrderHolds(q, map);
}

bool HitsBeforeStop(const Query& q, const qf::MAP_TERM_POSITIONS& map, int32_t stopPos) {
    int after = 0;
    for (const auto& [term, positions] : map) after += positions.front() > stopPos;
    return q.allInOne ? after == 0 : after < int(map.size());
}

bool HitsBeforeStart(const Query& q, const qf::MAP_TERM_POSITIONS& map, int32_t startPos) {
    int before = 0;
    for (const auto& [term, positions] : map) before += positions.back() < startPos;
    return q.allInOne ? before > 0 : before == int(map.size());
}

qf::MAP_LINES_WITH_HITS PlainScan(const Query& q, const std::string& content) {
    std::vector<std::string> lines = SplitLines(content);
    qf::MAP_LINES_WITH_HITS hits;
    size_t first = 0;
    uint32_t startLine = 0;
    int32_t startPos = -1;
    if (q.startLine > 0) {
        if (lines.size() < size_t(q.startLine)) return hits;
        first = size_t(q.startLine - 1);
    } else if (!q.startTerm.empty()) {
        const std::string startTerm = Fold(q.startTerm, q.caseSensitive);
        for (first = 0; first < lines.size(); ++first) {
            const size_t p = Fold(lines[first], q.caseSensitive).find(startTerm);
            if (p != std::string::npos) {
                startPos = int32_t(p);
                break;
            }
        }
        if (first == lines.size()) return hits;
        startLine = uint32_t(first + 1);
    } else if (lines.empty()) {
        lines.push_back("");  // an empty file is one empty line
    }

    int fileHits = 0;
    const int resultLines = q.runRoom < 0 ? 0 : kRunLimit - q.runRoom;
    for (size_t i = first; i < lines.size(); ++i) {
        const uint32_t number = uint32_t(i + 1);
        const std::string folded = Fold(lines[i], q.caseSensitive);
        const qf::MAP_TERM_POSITIONS map = TermsInLine(q, folded);
        const bool verdict = LineQualifies(q, map);
        if (q.stopLine >= 0 && number >= uint32_t(q.stopLine)) {
            if (verdict) hits[number] = {lines[i], map};
            break;
        }
        const size_t stopPos =
            q.stopTerm.empty() ? std::string::npos : folded.find(Fold(q.stopTerm, q.caseSensitive));
        if (stopPos != std::string::npos) {
            if (verdict && HitsBeforeStop(q, map, int32_t(stopPos))) hits[number] = {lines[i], map};
            break;
        }
        if (!verdict) continue;
        hits[number] = {lines[i], map};
        ++fileHits;
        if (fileHits >= q.perFile || resultLines + fileHits >= kRunLimit) break;
    }
    if (startLine > 0 && !hits.empty() && hits.begin()->first == startLine &&
        HitsBeforeStart(q, hits.begin()->second.mapTermPositions, startPos))
        hits.erase(hits.begin());
    return hits;
}

// What the record keeps of a line longer than the cap: its first cap bytes
// with a note, and the hits that lie within them.
qf::MAP_LINES_WITH_HITS CutLongLines(qf::MAP_LINES_WITH_HITS lines, size_t cap) {
    for (auto& [n, line] : lines) {
        if (line.sLineText.size() <= cap) continue;
        line.sLineText = line.sLineText.substr(0, cap) + qf::LineCutNote(cap);
        for (auto& [term, positions] : line.mapTermPositions)
            std::erase_if(positions, [&](int32_t p) { return size_t(p) + term.size() > cap; });
    }
    return lines;
}

Outcome PlainSearch(const Query& q, const std::string& content) {
    Outcome out;
    const qf::MAP_LINES_WITH_HITS lines = PlainScan(q, content);
    std::map<std::string, int> distinct;
    for (const auto& [n, line] : lines)
        for (const auto& [term, positions] : line.mapTermPositions) ++distinct[term];
    bool found = false;
    int kind = 3;
    switch (q.mode) {
        case FileMode::None:
            found = lines.empty();
            kind = 7;
            break;
        case FileMode::Any: found = !lines.empty(); break;
        case FileMode::All: found = distinct.size() == q.terms.size(); break;
    }
    const int resultLines = q.runRoom < 0 ? 0 : kRunLimit - q.runRoom;
    if (!found) return out;
    if (resultLines + 1 > kRunLimit) {
        out.stopSearch = 1;
        return out;
    }
    if (kind == 7) {
        out.records.push_back({0, 7});
        return out;
    }
    for (const auto& [n, line] : lines) out.records.push_back({int32_t(n), 3});
    out.lines = lines;
    return out;
}

// ---- Generation ---------------------------------------------------------------

class Generator {
public:
    explicit Generator(uint32_t seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    char Pick(const std::string& from) { return from[size_t(Int(0, int(from.size()) - 1))]; }

    std::string Term() {
        std::string t;
        const int length = Int(1, 3);
        for (int i = 0; i < length; ++i) t += Chance(12) ? Pick(" .,") : Pick("aabbAB112");
        if (t.front() == ' ') t.front() = 'a';  // terms never begin or end with blanks
        if (t.back() == ' ') t.back() = 'b';
        return t;
    }

    std::string Line(const std::string& alphabet, int maxLength) {
        std::string l;
        const int length = Int(0, maxLength);
        for (int i = 0; i < length; ++i) l += Chance(3) ? Pick("\r\t") : Pick(alphabet);
        return l;
    }

    std::string Content(int lineLength = 12) {
        const std::string busy = "aabbAB12 ..,,!-x";
        std::string text;
        int count = Int(0, 25);
        bool large = Chance(4);  // crosses the reader's block several times
        if (large) count = Int(25000, 40000);
        for (int i = 0; i < count; ++i) {
            text += large && !Chance(1) ? Line("xyz -", lineLength + 2) : Line(busy, lineLength);
            text += Chance(20) ? "\r\n" : "\n";
        }
        if (!text.empty() && Chance(30)) text.pop_back();  // no final LF, or a last CR kept
        if (Chance(10)) text += Line(busy, 6);
        return text;
    }

    Query MakeQuery(int lineCount) {
        Query q;
        const int termCount = Int(1, 3);
        for (int i = 0; i < termCount; ++i) q.terms.push_back(Term());
        q.caseSensitive = Chance(25);
        q.wholePart = Chance(40) ? WholePart::Both : (Chance(65) ? WholePart::Whole : WholePart::Part);
        q.delims = Chance(70) ? Delims::Included : (Chance(50) ? Delims::Bang : Delims::Blank);
        const int mode = Int(1, 10);
        q.mode = mode <= 5 ? FileMode::All : (mode <= 8 ? FileMode::Any : FileMode::None);
        if (q.mode == FileMode::All && Chance(40)) {
            q.allInOne = true;
            q.givenOrder = Chance(50);
        }
        if (Chance(40)) q.perFile = Int(1, 4);
        const int start = Int(1, 100);
        if (start <= 15)
            q.startLine = Int(1, lineCount + 2);
        else if (start <= 30)
            q.startTerm = Term();
        const int stop = Int(1, 100);
        if (stop <= 20)
            q.stopLine = Int(0, lineCount + 2);
        else if (stop <= 40)
            q.stopTerm = Term();
        if (!q.startTerm.empty() && Fold(q.startTerm, false) == Fold(q.stopTerm, false)) q.stopTerm.clear();
        if (Chance(10)) q.runRoom = Int(0, 3);
        if (Chance(25)) {
            q.comments = Comments(Int(1, 3));
            q.commentString = Chance(50) ? std::string(1, Pick("#.!a")) : std::string{Pick("#.a"), Pick("!1b")};
        }
        return q;
    }

private:
    std::mt19937 rng_;
};

std::string Visible(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

std::string Describe(const Query& q) {
    std::ostringstream s;
    s << "terms:";
    for (const std::string& t : q.terms) s << " [" << t << "]";
    s << "\ncase sensitive " << q.caseSensitive << ", whole/part " << int(q.wholePart) << " (0 both, 1 whole, 2 part)"
      << ", delimiters " << int(q.delims) << " (0 included list, 1 \"!\", 2 blank)"
      << "\nfile mode " << int(q.mode) << " (0 all, 1 any, 2 none), all in one line " << q.allInOne
      << ", given order " << q.givenOrder << ", lines per file " << q.perFile << "\nstart line " << q.startLine
      << ", start term [" << q.startTerm << "], stop line " << q.stopLine << ", stop term [" << q.stopTerm
      << "], room left in the run " << q.runRoom << "\ncomment rule " << int(q.comments)
      << " (0 off, 1 hide commented, 2 only both sides, 3 only commented), comment string [" << q.commentString << "]";
    return s.str();
}

std::string DescribeLines(const qf::MAP_LINES_WITH_HITS& lines) {
    std::ostringstream s;
    for (const auto& [n, line] : lines) {
        s << "  " << n << " [" << Visible(line.sLineText) << "]";
        for (const auto& [term, positions] : line.mapTermPositions) {
            s << " " << term << ":";
            for (int32_t p : positions) s << " " << p;
        }
        s << "\n";
    }
    return s.str();
}

}  // namespace

class ScanAgainstPlainReading : public ScanFixture {
protected:
    void Apply(const Query& q) {
        options.SetInt(Opt::CASESENSIT, q.caseSensitive ? 1 : 0);
        const Opt wholePart[] = {Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS};
        options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, wholePart[int(q.wholePart)]);
        options.Choose({Opt::INCDELIMTS, Opt::SELONEDELM}, q.delims == Delims::Included ? Opt::INCDELIMTS : Opt::SELONEDELM);
        options.SetText(Opt::SELONEDLMN, q.delims == Delims::Blank ? "space" : "!");
        const Opt mode[] = {Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN};
        options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, mode[int(q.mode)]);
        options.SetInt(Opt::ALLINONECH, q.allInOne ? 1 : 0);
        options.Choose({Opt::INANYORDER, Opt::INGIVORDER}, q.givenOrder ? Opt::INGIVORDER : Opt::INANYORDER);
        options.SetInt(Opt::RESLINENUM, q.perFile);
        options.SetInt(Opt::SEARCHMAXL, kRunLimit);

        options.SetInt(Opt::STARTCHECK, q.startLine > 0 || !q.startTerm.empty() ? 1 : 0);
        options.Choose({Opt::STARTLNRAD, Opt::STARTTRADO}, q.startLine > 0 ? Opt::STARTLNRAD : Opt::STARTTRADO);
        options.SetInt(Opt::STARTLNUMB, q.startLine);
        options.SetText(Opt::STARTETRMS, q.startTerm);
        options.SetInt(Opt::CLINENUMBR, q.stopLine >= 0 || !q.stopTerm.empty() ? 1 : 0);
        options.Choose({Opt::LINENRADIO, Opt::TERMSRADIO}, q.stopLine >= 0 ? Opt::LINENRADIO : Opt::TERMSRADIO);
        options.SetInt(Opt::EDITLNUMBR, q.stopLine < 0 ? 0 : q.stopLine);
        options.SetText(Opt::EDITSTERMS, q.stopTerm);
        options.SetInt(Opt::CHECKCOMMT, q.comments == Comments::Off ? 0 : 1);
        const Opt show[] = {Opt::NOTSHCMMNT, Opt::NOTSHCMMNT, Opt::BOTHCMMNTS, Opt::ONLYSCMMNT};
        options.Choose({Opt::NOTSHCMMNT, Opt::ONLYSCMMNT, Opt::BOTHCMMNTS}, show[int(q.comments)]);
        options.Choose({Opt::INCCOMCHAR, Opt::ONECOMCHAR}, Opt::ONECOMCHAR);
        options.SetText(Opt::SELONECHAR, q.commentString);
        terms = q.terms;
    }

    // Compares the scan with the plain reading over generated files (lines up
    // to lineLength bytes) and queries, with the line cap that cap() gives
    // for each file. Returns how many cases gave results.
    int CompareWithPlainReading(Generator& gen, int files, int lineLength, const std::function<size_t()>& cap) {
        int mismatches = 0;
        int foundCases = 0;
        for (int f = 0; f < files && mismatches < 5; ++f) {
            lineCap = cap();
            const std::string content = gen.Content(lineLength);
            const std::string name = "gen" + std::to_string(f) + ".txt";
            qftest::WriteFile(dir / name, content);
            const int lineCount = int(SplitLines(content).size());
            for (int k = 0; k < kQueriesPerFile; ++k) {
                const Query q = gen.MakeQuery(lineCount);
                Outcome expected = PlainSearch(q, content);
                expected.lines = CutLongLines(std::move(expected.lines), lineCap);
                const Outcome actual = FastSearch(q, name);
                foundCases += expected.records.empty() ? 0 : 1;
                if (expected.records == actual.records && expected.lines == actual.lines &&
                    expected.stopSearch == actual.stopSearch)
                    continue;
                ++mismatches;
                std::ostringstream records;
                for (const auto& [n, kind] : expected.records) records << " " << n << "/" << kind;
                records << "  but the scan gave:";
                for (const auto& [n, kind] : actual.records) records << " " << n << "/" << kind;
                ADD_FAILURE() << "file " << f << " case " << k << ", line cap " << lineCap << "\n"
                              << Describe(q) << "\nexpected records (line/kind):" << records.str()
                              << "\nexpected stop flag " << expected.stopSearch << ", got " << actual.stopSearch
                              << "\nexpected lines:\n"
                              << DescribeLines(expected.lines) << "got lines:\n"
                              << DescribeLines(actual.lines) << "content (" << content.size() << " bytes):\n"
                              << (content.size() < 2000 ? Visible(content) : "(long; generated with the seed above)");
            }
        }
        return foundCases;
    }

    Outcome FastSearch(const Query& q, const std::string& name) {
        Apply(q);
        results.Clear();
        counters.Reset();
        counters.nResultLines = q.runRoom < 0 ? 0 : kRunLimit - q.runRoom;
        stopSearch = 0;
        SearchEntry(Entry(name));
        Outcome out;
        for (const auto& r : results.CopyList()) out.records.push_back({r.lineNumberValue, r.resultKind});
        const qf::FileResultsStore store = results.CopyStore();
        if (!store.empty()) out.lines = store.begin()->second.lines;
        out.stopSearch = stopSearch.load();
        return out;
    }
};

TEST_F(ScanAgainstPlainReading, GeneratedFilesAndQueriesGiveTheSameResults) {
    Generator gen(20240611u);
    constexpr int kFiles = 300;
    const int found = CompareWithPlainReading(gen, kFiles, 12, [] { return qf::kLineCap; });
    // The generator must give results often enough for the comparison to mean something.
    EXPECT_GT(found, kFiles * kQueriesPerFile / 4);
}

// Lines longer than the cap are read in pieces; every verdict must come out
// as for the whole line, and the record keeps the first cap bytes with a note
// and the hits that lie within them.
TEST_F(ScanAgainstPlainReading, LinesLongerThanTheCapAreJudgedAsIfReadWhole) {
    Generator gen(77031u);
    constexpr int kFiles = 250;
    const size_t caps[] = {10, 11, 16, 23};
    const int found = CompareWithPlainReading(gen, kFiles, 60, [&] { return caps[size_t(gen.Int(0, 3))]; });
    EXPECT_GT(found, kFiles * kQueriesPerFile / 4);
}
