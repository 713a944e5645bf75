#include "platform/control_chars.h"

#include <gtest/gtest.h>

namespace {

using qf::EscapeControlChars;

TEST(ControlChars, TerminalAndLineControlsAreEscaped) {
    EXPECT_EQ(EscapeControlChars("a\x1b[31mred\rforged\nline\ttab\x7f"),
              "a\\x1B[31mred\\rforged\\nline\\ttab\\x7F");
    EXPECT_EQ(EscapeControlChars(std::string("nul\0end", 7)), "nul\\x00end");
    EXPECT_EQ(EscapeControlChars("keep\nthe\tbreaks\r", "\n\t"), "keep\nthe\tbreaks\\r");
}

TEST(ControlChars, C1ControlsAreEscapedWhetherEncodedOrStray) {
    EXPECT_EQ(EscapeControlChars("csi\xc2\x9b" "2J"), "csi\\xC2\\x9B2J");  // U+009B in UTF-8
    EXPECT_EQ(EscapeControlChars("raw\x9b" "2J"), "raw\\x9B2J");           // the byte alone
    EXPECT_EQ(EscapeControlChars("cut\xc2"), "cut\xc2");                     // a cut sequence, no control
}

TEST(ControlChars, OrdinaryTextStaysAsItIs) {
    const std::string text = "C:\\Docs\\n\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80 latin\xff \xa0 \"q\"";
    EXPECT_EQ(EscapeControlChars(text), text);
}

}  // namespace
