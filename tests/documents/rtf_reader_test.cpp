// RTF control words: what becomes text, what is skipped, what is refused.

#include <gtest/gtest.h>

#include "documents/document_support.h"

namespace qftest {
namespace {

qf::DocumentText Rtf(const std::string& body) {
    return qf::ExtractDocumentBytes(qf::DocumentKind::Rtf, "{\\rtf1\\ansi\\ansicpg1252 " + body + "}");
}

std::vector<std::string> RtfLines(const std::string& body) {
    const qf::DocumentText document = Rtf(body);
    EXPECT_TRUE(document.Ok()) << document.refusal;
    return LinesOf(document.text);
}

TEST(RtfReader, DestinationsThatAreNotTextAreSkipped) {
    EXPECT_EQ(RtfLines("{\\fonttbl{\\f0\\froman Times;}}{\\colortbl;\\red0\\green0\\blue0;}"
                       "{\\stylesheet{\\s0 Normal;}}{\\info{\\title The title}{\\author Someone}}"
                       "{\\*\\generator Writer;}{\\*\\unknowndest hidden}{\\pict\\pngblip 89504e47}"
                       "\\pard first {\\b bold} line\\par "
                       "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}\\par"),
              (std::vector<std::string>{"first bold line", "shown"}));
}

TEST(RtfReader, CharactersByCodePageAndByUnicode) {
    EXPECT_EQ(RtfLines("caf\\'e9 \\'80 \\'93q\\'94\\par "       // Windows-1252 bytes
                       "\\u252?ber {\\uc0\\u937 mega}\\par "     // \uc0: no fallback follows
                       "{\\uc2\\u8364\\'3f\\'3f euro}\\par "     // two fallback bytes skipped
                       "\\u-10179?\\u-8704?\\par "               // a surrogate pair
                       "a\\tab b\\~c\\_d\\-e \\{\\}\\\\\\emdash\\par"),
              (std::vector<std::string>{"café € “q”", "über Ωmega", "€ euro", "😀", "a\tb c-de {}\\—"}));
}

TEST(RtfReader, TablesBecomeRowsAndNotesFollowTheBody) {
    EXPECT_EQ(RtfLines("{\\header \\pard page head\\par}"
                       "\\trowd\\cellx1000\\cellx2000\\pard\\intbl one\\cell two\\cell\\row "
                       "\\pard body{\\super\\chftn}{\\footnote \\pard\\plain note text}\\par "
                       "{\\bin4 \\par}tail\\par"),
              (std::vector<std::string>{"one\ttwo", "body", "tail", "page head", "note text"}));
}

TEST(RtfReader, DamagedRtfIsRefused) {
    EXPECT_FALSE(qf::ExtractDocumentBytes(qf::DocumentKind::Rtf, "plain text named .rtf").Ok());
    EXPECT_FALSE(qf::ExtractDocumentBytes(qf::DocumentKind::Rtf, "{\\rtf1 never closed\\par").Ok());
    EXPECT_FALSE(qf::ExtractDocumentBytes(qf::DocumentKind::Rtf, "{\\rtf1 cut inside a word\\pa").Ok());
    EXPECT_FALSE(qf::ExtractDocumentBytes(qf::DocumentKind::Rtf, "{\\rtf1 " + std::string(100000, '{')).Ok());
    // After the last brace nothing belongs to the document.
    EXPECT_EQ(qf::ExtractDocumentBytes(qf::DocumentKind::Rtf, "{\\rtf1 kept}trailing").text, "kept\n");
    // A "\bin" longer than the file only skips what is there.
    EXPECT_FALSE(qf::ExtractDocumentBytes(qf::DocumentKind::Rtf, "{\\rtf1 x\\bin999999 }").Ok());
}

}  // namespace
}  // namespace qftest
