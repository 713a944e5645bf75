#include <gtest/gtest.h>

#include <string>

#include "platform/folder_listing.h"

namespace {

using qf::MatchWildcard;

TEST(PlatformWildcard, DotStarRules) {
    // "*.*" matches every name, and "name.*" the bare name too.
    for (const char* name : {"report.txt", "README", ".hidden", "a.b.c"}) EXPECT_TRUE(MatchWildcard("*.*", name)) << name;
    EXPECT_TRUE(MatchWildcard("name.*", "name"));
    EXPECT_TRUE(MatchWildcard("name.*", "NAME.tar.gz"));
    EXPECT_FALSE(MatchWildcard("name.*", "names"));
    EXPECT_FALSE(MatchWildcard("*.doc", "x.docx"));
}

TEST(PlatformWildcard, CaseAndQuestionMark) {
    EXPECT_TRUE(MatchWildcard("Report?.Doc", "rEPORT1.dOC"));
    // Only ASCII letters fold: the bytes of other UTF-8 letters compare as they are.
    EXPECT_FALSE(MatchWildcard("\xC3\x89*", "\xC3\xA9t\xC3\xA9"));
    EXPECT_FALSE(MatchWildcard("a?c", "ac"));
    EXPECT_FALSE(MatchWildcard("a?c", "abbc"));
    EXPECT_TRUE(MatchWildcard("???", "x.y"));
}

TEST(PlatformWildcard, StarsBacktrackAndAnchorBothEnds) {
    EXPECT_TRUE(MatchWildcard("*ab*cd", "xabyabzcd"));
    EXPECT_FALSE(MatchWildcard("a*b*c", "abxbxcd"));
    EXPECT_TRUE(MatchWildcard("**a**", "banana"));
    EXPECT_TRUE(MatchWildcard("*", ""));
    EXPECT_FALSE(MatchWildcard("", "x"));
    // A naive recursive matcher would not finish this in any useful time.
    const std::string name(4000, 'a');
    EXPECT_FALSE(MatchWildcard("*a*a*a*a*a*a*a*a*a*a*a*b", name));
}

}  // namespace
