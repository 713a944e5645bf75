// Files in the encodings that users' text comes in, read as UTF-8.

#include <gtest/gtest.h>

#include <string>

#include "platform/text_decoder.h"
#include "platform/utf8_text.h"
#include "support/test_support.h"

namespace {

const std::string kFixtures = std::string(QUILLFIND_FIXTURES) + "/encodings/";

struct Decoded {
    std::string text;
    qf::TextEncoding encoding = qf::TextEncoding::Utf8;
    bool wholeCharacters = true;  // no read ended inside a character
};

Decoded Decode(const std::string& path, size_t chunk = 256 * 1024, uint64_t check = qf::kUtf8CheckBytes,
               size_t kept = qf::kKeptCheckBytes) {
    qf::TextDecoder decoder(qf::ContentFile::Open(path), check, kept);
    Decoded out;
    std::string buffer(chunk, '\0');
    for (size_t n; (n = decoder.Read(buffer.data(), buffer.size())) > 0;) {
        const std::string_view piece(buffer.data(), n);
        if (qf::CompleteUtf8Length(piece) != n) out.wholeCharacters = false;
        out.text.append(piece);
    }
    EXPECT_TRUE(decoder.AtEnd());
    out.encoding = decoder.Encoding();
    return out;
}

std::string Utf16(const std::u16string& units, bool bigEndian, bool mark = true) {
    std::string bytes;
    if (mark) bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : units) {
        const char high = char(u >> 8), low = char(u & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

bool IsValidUtf8(std::string_view s) {
    for (size_t b = 0; b < s.size();) {
        const size_t n = qf::Utf8SequenceLength(s.substr(b));
        if (n == 0) return false;
        b += n;
    }
    return true;
}

}  // namespace

TEST(TextDecoder, TheFixturesReadAsTheSameText) {
    const std::string utf8 = qftest::ReadFile(kFixtures + "unicode-utf8.txt");
    const Decoded plain = Decode(kFixtures + "unicode-utf8.txt");
    EXPECT_EQ(plain.text, utf8);
    EXPECT_EQ(plain.encoding, qf::TextEncoding::Utf8);

    const Decoded le = Decode(kFixtures + "unicode-utf16le-bom.txt");
    EXPECT_EQ(le.text, utf8);  // the mark is no part of the text
    EXPECT_EQ(le.encoding, qf::TextEncoding::Utf16Le);
    const Decoded be = Decode(kFixtures + "unicode-utf16be-bom.txt");
    EXPECT_EQ(be.text, utf8);
    EXPECT_EQ(be.encoding, qf::TextEncoding::Utf16Be);

    // The Windows-1252 file leaves out the Greek and Cyrillic line.
    std::string withoutLine5 = utf8;
    const size_t line5 = withoutLine5.find("Line 5");
    withoutLine5.erase(line5, withoutLine5.find("Line 6") - line5);
    const Decoded cp1252 = Decode(kFixtures + "latin1-cp1252.txt");
    EXPECT_EQ(cp1252.text, withoutLine5);
    EXPECT_EQ(cp1252.encoding, qf::TextEncoding::Windows1252);
}

TEST(TextDecoder, ReadsOfEverySizeGiveWholeCharactersAndTheSameText) {
    qftest::TempDir dir;
    // Surrogate pairs, three-byte characters and Windows-1252 bytes that
    // grow to three, so that reads of a few bytes must stop before them.
    const std::u16string units = u"a\U0001F600b\u20AC\u00E9x\U00010348\u4E2D\n\u00C4\u00E4";
    const std::string files[] = {
        Utf16(units, false), Utf16(units, true),
        "\xEF\xBB\xBF" "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 x\n\xCE\xA9",
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 x\n\xCE\xA9",
        "\x80\x80\x80 caf\xE9 \x9F\xFF\n\x81",
    };
    int f = 0;
    for (const std::string& content : files) {
        const std::string path = dir / ("f" + std::to_string(f++));
        qftest::WriteFile(path, content);
        const Decoded whole = Decode(path);
        ASSERT_TRUE(IsValidUtf8(whole.text)) << path;
        for (size_t chunk = qf::kUtf8MaxBytes; chunk <= 11; ++chunk) {
            const Decoded pieces = Decode(path, chunk);
            EXPECT_EQ(pieces.text, whole.text) << path << " read " << chunk << " bytes at a time";
            EXPECT_TRUE(pieces.wholeCharacters) << path << " read " << chunk << " bytes at a time";
        }
    }
    EXPECT_EQ(Decode(dir / "f0").text, "a\xF0\x9F\x98\x80" "b\xE2\x82\xAC\xC3\xA9x\xF0\x90\x8D\x88\xE4\xB8\xAD\n\xC3\x84\xC3\xA4");
    EXPECT_EQ(Decode(dir / "f4").text, "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC caf\xC3\xA9 \xC5\xB8\xC3\xBF\n\xC2\x81");
}

TEST(TextDecoder, BrokenUtf16BecomesReplacementCharacters) {
    qftest::TempDir dir;
    const std::string fffd = "\xEF\xBF\xBD";
    // A high surrogate without its low one, a lone low surrogate, a high
    // surrogate at the very end, and an odd last byte.
    qftest::WriteFile(dir / "a", Utf16({u'x', char16_t(0xD800), u'y', char16_t(0xDC00), u'z'}, false));
    EXPECT_EQ(Decode(dir / "a").text, "x" + fffd + "y" + fffd + "z");
    qftest::WriteFile(dir / "b", Utf16({u'x', char16_t(0xD83D)}, true) + std::string(1, '\0'));
    EXPECT_EQ(Decode(dir / "b").text, "x" + fffd + fffd);
    qftest::WriteFile(dir / "c", "\xFF\xFE");
    EXPECT_EQ(Decode(dir / "c").text, "");
}

TEST(TextDecoder, OneByteThatIsNotUtf8MakesTheWholeFileWindows1252) {
    qftest::TempDir dir;
    // Valid UTF-8 in the first block read; the stray byte far behind it.
    const std::string head = "caf\xC3\xA9\n" + std::string(600 * 1024, 'x') + "\n";
    qftest::WriteFile(dir / "late", head + "fianc\xE9\n");
    const Decoded late = Decode(dir / "late");
    EXPECT_EQ(late.encoding, qf::TextEncoding::Windows1252);
    EXPECT_EQ(late.text.substr(0, 7), "caf\xC3\x83\xC2\xA9");  // "cafÃ©", as the Windows version showed it
    EXPECT_EQ(late.text.substr(late.text.size() - 8), "fianc\xC3\xA9\n");

    // Past the bound of the check the file stays UTF-8; the stray byte is
    // read as its Windows-1252 character on its own.
    const Decoded bounded = Decode(dir / "late", 256 * 1024, 64 * 1024);
    EXPECT_EQ(bounded.encoding, qf::TextEncoding::Utf8);
    EXPECT_EQ(bounded.text, head + "fianc\xC3\xA9\n");

    // So is one in a file marked as UTF-8.
    qftest::WriteFile(dir / "marked", "\xEF\xBB\xBF\xC3\xA9 \xE9 \xC3\xA9");
    EXPECT_EQ(Decode(dir / "marked").text, "\xC3\xA9 \xC3\xA9 \xC3\xA9");
    EXPECT_EQ(Decode(dir / "marked").encoding, qf::TextEncoding::Utf8WithMark);

    // A sequence that the end of the file cuts is not UTF-8 either.
    qftest::WriteFile(dir / "cut", "ab\xC3\xA9\xE2\x82");
    EXPECT_EQ(Decode(dir / "cut").text, "ab\xC3\x83\xC2\xA9\xC3\xA2\xE2\x80\x9A");
}

// What the check reads ahead is kept, up to a bound, and given out again from
// memory; the rest is read twice. Wherever the bound cuts the file (inside a
// character, before or after a stray byte, at the check's bound or the
// file's end), the text is the one that reading everything twice gives.
TEST(TextDecoder, WhatTheCheckKeptReadsAsTheFileDoes) {
    qftest::TempDir dir;
    std::string valid;
    for (int i = 0; valid.size() < 20000; ++i) valid += "x\xE2\x82\xAC\xC3\xA9\xF0\x9F\x98\x80 " + std::to_string(i) + "\n";
    const std::string files[] = {valid, valid + "fianc\xE9\n", valid.substr(0, 9000) + "\xE9" + valid,
                                 valid + "\xE2\x82"};
    for (size_t f = 0; f < std::size(files); ++f) {
        const std::string path = dir / ("f" + std::to_string(f));
        qftest::WriteFile(path, files[f]);
        for (const size_t chunk : {size_t(5), size_t(4096)}) {
            for (const uint64_t check : {uint64_t(12000), qf::kUtf8CheckBytes}) {
                const Decoded twice = Decode(path, chunk, check, 0);
                ASSERT_TRUE(IsValidUtf8(twice.text));
                for (const size_t kept : {size_t(1), size_t(3), size_t(4097), size_t(11999), size_t(1) << 20}) {
                    const Decoded once = Decode(path, chunk, check, kept);
                    EXPECT_EQ(once.text, twice.text) << path << " " << chunk << " " << check << " " << kept;
                    EXPECT_EQ(once.encoding, twice.encoding) << path << " " << chunk << " " << check << " " << kept;
                    EXPECT_TRUE(once.wholeCharacters);
                }
            }
        }
    }
    EXPECT_EQ(Decode(dir / "f0").text, valid);
    EXPECT_EQ(Decode(dir / "f1").encoding, qf::TextEncoding::Windows1252);
}

// A Windows-1252 file is read straight while its bytes are ASCII and decoded
// from its first byte above 0x7F on: stray bytes far apart, at and around
// the 64 KiB blocks' bounds, in a dense run, and pairs that would be UTF-8,
// read in pieces of every kind, give each byte's own character.
TEST(TextDecoder, Windows1252ReadsTheSameWhereverItsBytesFall) {
    const std::pair<char, std::string> high[] = {
        {'\x80', "\xE2\x82\xAC"}, {'\xE9', "\xC3\xA9"}, {'\xC3', "\xC3\x83"}, {'\xA9', "\xC2\xA9"}, {'\xFF', "\xC3\xBF"}};
    std::string raw, want;
    const auto add = [&](size_t at, size_t which) {
        const std::string filler(at - raw.size(), 'x');
        raw += filler + high[which % std::size(high)].first;
        want += filler + high[which % std::size(high)].second;
    };
    size_t which = 0;
    for (const size_t at : {size_t(100), size_t(65535), size_t(65537), size_t(131072), size_t(196607)}) add(at, which++);
    for (size_t i = 0; i < 3000; ++i) add(raw.size() + i % 3, which++);  // a dense run
    add(raw.size(), 2), add(raw.size(), 3);                               // "\xC3\xA9": two characters
    add(raw.size() + 300000, which++);
    raw += "\ntail";
    want += "\ntail";
    qftest::TempDir dir;
    qftest::WriteFile(dir / "cp1252", raw);
    for (const size_t chunk : {size_t(5), size_t(4096), size_t(65536), size_t(1) << 20}) {
        const Decoded read = Decode(dir / "cp1252", chunk);
        EXPECT_EQ(read.encoding, qf::TextEncoding::Windows1252);
        ASSERT_EQ(read.text.size(), want.size()) << chunk;
        EXPECT_TRUE(read.text == want) << "read " << chunk << " bytes at a time";
        EXPECT_TRUE(read.wholeCharacters);
    }
}
