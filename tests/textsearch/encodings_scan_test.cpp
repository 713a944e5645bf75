// The content scan over text in other encodings and letters beyond ASCII:
// files with byte-order marks, Windows-1252 files, case folding of German,
// French, Greek and Cyrillic, whole words around such letters, and hit
// positions counted in characters.

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <string_view>

#include "platform/utf8_text.h"
#include "scan_fixture.h"

using qf::Opt;

namespace {

using LineNos = std::vector<uint32_t>;
using Positions = qf::DEQUE_POSITIONS_IN_LINE;

const std::string kFixtures = std::string(QUILLFIND_FIXTURES) + "/encodings/";

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

}  // namespace

class EncodingsScan : public ScanFixture {
protected:
    // The fixture's hit lines for one term: line number to positions.
    std::map<uint32_t, Positions> Hits(const std::string& file, const std::string& term) {
        terms = {term};
        std::map<uint32_t, Positions> hits;
        for (const auto& [n, line] : Scan(qftest::ReadFile(kFixtures + file))) {
            const auto found = line.mapTermPositions.begin();
            if (found != line.mapTermPositions.end()) hits[n] = found->second;
        }
        return hits;
    }
};

TEST_F(EncodingsScan, EveryEncodingOfTheFixtureGivesTheSameLinesAndCharacters) {
    options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    const std::map<std::string, std::map<uint32_t, Positions>> expected = {
        {"\xC3\xA4rger", {{4, {8, 18, 28}}}},                                  // ärger: ÄRGER, Ärger
        {"M\xC3\x9CLLER", {{2, {40}}, {3, {42}}}},                            // MÜLLER: Müller
        {"CAF\xC3\x89", {{6, {8, 14}}}},                                       // CAFÉ: café, then a comma
        {"stra\xC3\x9F" "e", {{2, {22}}}},                                    // straße, never STRASSE
        {"\xCF\x89\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1", {{5, {14, 24}}}},        // ωμέγα: ΩΜΈΓΑ
        {"\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2", {{5, {40, 51}}}},  // ПРИВЕТ: привет
    };
    for (const std::string file : {"unicode-utf8.txt", "unicode-utf16le-bom.txt", "unicode-utf16be-bom.txt"})
        for (const auto& [term, hits] : expected) EXPECT_EQ(Hits(file, term), hits) << file << " " << term;

    // The Windows-1252 file has no line 5: its lines 6 and 7 are 5 and 6.
    EXPECT_EQ(Hits("latin1-cp1252.txt", "\xC3\xA4rger"), (std::map<uint32_t, Positions>{{4, {8, 18, 28}}}));
    EXPECT_EQ(Hits("latin1-cp1252.txt", "CAF\xC3\x89"), (std::map<uint32_t, Positions>{{5, {8, 14}}}));
    EXPECT_TRUE(Hits("latin1-cp1252.txt", "\xCF\x89\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1").empty());

    // The record keeps the line as UTF-8, without the mark.
    terms = {"plain ascii"};
    const auto lines = Scan(qftest::ReadFile(kFixtures + "unicode-utf16be-bom.txt"));
    ASSERT_EQ(Numbers(lines), (LineNos{1}));
    EXPECT_EQ(lines.at(1).sLineText, "Line 1: plain ASCII line with needle.");
}

TEST_F(EncodingsScan, CaseSensitiveSearchesKeepEveryLetterApart) {
    terms = {"\xC3\xA4rger"};
    options.SetInt(Opt::CASESENSIT, 1);
    EXPECT_EQ(Numbers(Scan(Lines({"\xC3\x84RGER", "\xC3\xA4rger"}))), (LineNos{2}));
}

// The capital sharp s and the Kelvin sign fold to "ß" and "k", which are
// shorter in UTF-8: such a line is folded on its own, is never skipped, and
// its hits still count characters of the line as stored.
TEST_F(EncodingsScan, CharactersWhoseFoldedFormIsShorterAreFoundAndCounted) {
    terms = {"km", "stra\xC3\x9F" "e"};
    std::vector<std::string> text(3000, "plain words and nothing else");
    text[1500] = "1 \xE2\x84\xAAm = 1000 km";  // the Kelvin sign, then "m"
    text[2500] = "STRA\xE1\xBA\x9E" "E";      // capital sharp s
    const auto lines = Scan(Lines(text));
    ASSERT_EQ(Numbers(lines), (LineNos{1501, 2501}));
    EXPECT_EQ(lines.at(1501).mapTermPositions.at("km"), (Positions{2, 12}));
    EXPECT_EQ(lines.at(1501).sLineText, text[1500]);
    EXPECT_EQ(lines.at(2501).mapTermPositions.at("stra\xC3\x9F" "e"), (Positions{0}));
    EXPECT_TRUE(Scan(Lines({"STRASSE"})).empty());  // simple folding: "ß" is not "ss"

    // ASCII terms alone leave other letters unfolded, but for the two that
    // fold to ASCII: the Kelvin sign and the long s.
    terms = {"km", "gross"};
    text[2500] = "gro\xC5\xBFs";
    const auto ascii = Scan(Lines(text));
    ASSERT_EQ(Numbers(ascii), (LineNos{1501, 2501}));
    EXPECT_EQ(ascii.at(1501).mapTermPositions.at("km"), (Positions{2, 12}));
    EXPECT_EQ(ascii.at(2501).mapTermPositions.at("gross"), (Positions{0}));
}

TEST_F(EncodingsScan, WholeWordsLookAtTheCharactersAroundAHit) {
    options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    terms = {"caf\xC3\xA9"};
    const std::string quoted = "\xE2\x80\x9E" "caf\xC3\xA9\xE2\x80\x9C";  // „café“
    EXPECT_EQ(Numbers(Scan(Lines({"caf\xC3\xA9s", "xcaf\xC3\xA9", "\xC3\xA9" "caf\xC3\xA9", "(CAF\xC3\x89)", quoted}))),
              (LineNos{4}));
    // Delimiters beyond ASCII: the German quotes, one of them as the Windows
    // version writes it (0x93 in Windows-1252).
    qf::OptionMap delimiters = options.Map(Opt::INCDELMMAP);
    delimiters["\xE2\x80\x9E"] = 0;
    delimiters["\x93"] = 0;
    options.SetMap(Opt::INCDELMMAP, delimiters);
    const auto lines = Scan(Lines({quoted, "\xC3\xA9" "caf\xC3\xA9"}));
    ASSERT_EQ(Numbers(lines), (LineNos{1}));
    EXPECT_EQ(lines.at(1).mapTermPositions.at("caf\xC3\xA9"), (Positions{1}));

    // A delimiter letter is one in either case, also around an ASCII term.
    delimiters["\xC3\xA9"] = 0;  // é
    options.SetMap(Opt::INCDELMMAP, delimiters);
    terms = {"cafe"};
    EXPECT_EQ(Numbers(Scan(Lines({"\xC3\x89" "cafe\xC3\xA9", "\xC3\x88" "cafe\xC3\xA8"}))), (LineNos{1}));  // ÉcafeÉ, ÈcafeÈ
}

TEST_F(EncodingsScan, BooleanQueriesAndStopTermsFoldToo) {
    UseBoolean("( \xC3\x84RGER .AND. caf\xC3\xA9 )");
    const std::string content = qftest::ReadFile(kFixtures + "unicode-utf16le-bom.txt");
    EXPECT_EQ(Numbers(Scan(content)), (LineNos{4, 6}));
    UseBoolean("( \xC3\x84RGER .AND. \xC3\xA4rger )", Opt::MICROBOOLR);
    EXPECT_EQ(Numbers(Scan(content)), (LineNos{4}));

    options.Choose({Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR}, Opt::STANRADIO1);
    options.SetInt(Opt::CKANYWORDS, 1);
    options.SetInt(Opt::CKALLWORDS, 0);
    options.SetInt(Opt::CLINENUMBR, 1);
    options.Choose({Opt::LINENRADIO, Opt::TERMSRADIO}, Opt::TERMSRADIO);
    options.SetText(Opt::EDITSTERMS, "\xCE\xA9\xCE\x9C\xCE\x88\xCE\x93\xCE\x91");  // ΩΜΈΓΑ: stops in line 5
    terms = {"line"};
    EXPECT_EQ(Numbers(Scan(content)), (LineNos{1, 2, 3, 4, 5}));
}

// A line longer than the cap, full of letters beyond ASCII, is judged in
// pieces that may cut a character anywhere: the hits and whole-word
// verdicts are those of the line read whole, the kept text ends with a whole
// character, and its hits count its characters.
TEST_F(EncodingsScan, LongLinesBeyondAsciiAreJudgedAsIfReadWhole) {
    options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    qf::OptionMap delimiters = options.Map(Opt::INCDELMMAP);
    for (const char* d : {"\xC2\xAB", "\xC2\xBB", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) delimiters[d] = 0;  // « » € 😀
    options.SetMap(Opt::INCDELMMAP, delimiters);
    const std::string words[] = {"\xC3\x84rger",      "\xC3\xA4rgerlich", "\xC2\xAB\xC3\x84RGER\xC2\xBB",
                                 "x\xC3\xA4rger",     "3,\xC3\xBC",       "3,\xE2\x82\xAC",
                                 "\xF0\x9F\x98\x80" "3.\xF0\x9F\x98\x80", "\xE2\x82\xAC\xC3\xA4rger\xE2\x82\xAC",
                                 "\xCE\xA9",          "\xE1\xBA\x9E"};
    uint32_t seed = 12345;
    std::string line;
    while (line.size() < 400) {
        seed = seed * 1103515245u + 12345u;
        line += words[(seed >> 16) % std::size(words)];
        line += (seed >> 8) % 3 == 0 ? "" : " ";
    }
    terms = {"\xC3\xA4rger", "3"};
    lineCap = qf::kLineCap;
    const auto whole = Scan(line);
    ASSERT_EQ(Numbers(whole), (LineNos{1}));
    for (size_t cap = 48; cap <= 96; ++cap) {
        lineCap = cap;
        const auto pieces = Scan(line);
        ASSERT_EQ(Numbers(pieces), (LineNos{1})) << "cap " << cap;
        const std::string& text = pieces.at(1).sLineText;
        const std::string kept = text.substr(0, text.rfind(" [line cut at"));
        ASSERT_EQ(line.compare(0, kept.size(), kept), 0) << "cap " << cap;
        ASSERT_EQ(qf::CompleteUtf8Length(kept), kept.size()) << "cap " << cap;
        ASSERT_GE(kept.size() + qf::kUtf8MaxBytes, cap + 1);
        const size_t keptChars = qf::Utf8CharCount(kept);
        for (const auto& [term, positions] : whole.at(1).mapTermPositions) {
            Positions inKept;
            for (int32_t p : positions)
                if (size_t(p) + qf::Utf8CharCount(term) <= keptChars) inKept.push_back(p);
            const auto found = pieces.at(1).mapTermPositions.find(term);
            ASSERT_NE(found, pieces.at(1).mapTermPositions.end()) << "cap " << cap << " " << term;
            EXPECT_EQ(found->second, inKept) << "cap " << cap << " " << term;
        }
    }
}

// Tiny caps leave room for less than one character of decoded text at
// times: the reader must still move on, line by line, to the end.
TEST_F(EncodingsScan, Utf16LinesLongerThanTinyCapsAreReadToTheEnd) {
    std::string utf16 = "\xFE\xFF";
    for (char16_t u : std::u16string_view(u"\u20AC\u20AC\u20AC\u20AC\u20AC\u20AC\u20AC y\n\u20AC\n\U0001F600 \u00C4\nx\n"))
        utf16 += {char(u >> 8), char(u & 0xFF)};
    terms = {"x"};
    for (size_t cap = 2; cap <= 12; ++cap) {
        lineCap = cap;
        const auto lines = Scan(utf16);
        ASSERT_EQ(Numbers(lines), (LineNos{4})) << "cap " << cap;
    }
    // A cap above the read block: the buffer grows to the cap, and three-byte
    // characters seldom fill it to the last byte.
    std::string longLine = "\xFE\xFF";
    for (int i = 0; i < 200000; ++i) longLine += "\x20\xAC";
    longLine += std::string("\0\n\0x\0\n", 6);
    for (size_t cap : {size_t(256 * 1024 + 1), size_t(256 * 1024 + 2), size_t(300 * 1024)}) {
        lineCap = cap;
        ASSERT_EQ(Numbers(Scan(longLine)), (LineNos{2})) << "cap " << cap;
    }
}
