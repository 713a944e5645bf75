// Reading settings files back: round trips, and damaged files refused whole.

#include <gtest/gtest.h>

#include <random>

#include "platform/file_time.h"
#include "settings/choice_groups.h"
#include "settings/default_lists.h"
#include "settings/settings_file.h"
#include "support/test_support.h"

namespace {

using qf::Opt;
constexpr size_t kRecord = 5312;

qf::Options FilledModel() {
    qf::Options o;
    qf::PrepareModelAtStart(o);
    o.SetList(Opt::DIRECTORIS, {"/data/a", "/data/b b", std::string(259, 'd')});
    o.SetList(Opt::EXCDIRECTS, {"/parked"});
    o.SetList(Opt::IGNDIRECTS, {"/data/a/skip"});
    o.SetList(Opt::FILENAMES1, {"*.txt", "read?e.*"});
    o.SetList(Opt::ZFILENAMES, {"*.zip"});
    o.SetList(Opt::DEQFOLDER, {"/x"});
    o.SetList(Opt::INCDIRECTS, {"/i"});
    o.SetList(Opt::EXCCDIRECTS, {"/e"});
    o.SetColumns(Opt::LISTEXCLIS, {{3, "Line number"}});
    o.SetColumns(Opt::LISTINCLIS, {{1, "Line(s) with hit(s)"}, {11, "Last modified"}});
    o.SetText(Opt::FINDTEXTS1, std::string(259, 'q'));
    o.SetText(Opt::FINDRICHED, std::string(5001, 'b'));
    o.SetText(Opt::EDITSTERMS, "stop here");
    o.SetText(Opt::STARTETRMS, "begin");
    o.SetText(Opt::FOLDCRITER, "src test");
    o.SetText(Opt::CFSDFLEDIT, "/dest");
    o.SetText(Opt::SELONEFILE, "txt");
    o.SetInt(Opt::SELONEFILE, 12);
    qf::SelectChoice(o, Opt::WHOLEWORDS);
    qf::SelectChoice(o, Opt::BOOLRADIO1);
    qf::SelectChoice(o, Opt::SIZENGBYTS);
    o.SetInt(Opt::SIZEFROMTW, 1LL << 40);
    o.SetInt(Opt::SEARCHMAXL, 500);
    o.SetInt(Opt::EDITLNUMBR, -3);
    o.SetInt(Opt::ARESLINENU_SAVED, 42);
    o.SetDate(Opt::SERCHSTART, qf::GetLocalTime());
    return o;
}

qf::Options RoundTrip(const qf::Options& in, qf::RecordingMessages& messages) {
    qftest::TempDir dir;
    EXPECT_TRUE(qf::SaveSettingsFile(in, dir / "r.SET", messages));
    qf::Options out;  // starts from other values, so every option must come from the file
    out.SetList(Opt::DIRECTORIS, {"stale"});
    EXPECT_TRUE(qf::LoadSettingsFile(out, dir / "r.SET", messages));
    return out;
}

void ExpectSameSavedModel(const qf::Options& a, const qf::Options& b) {
    for (const qf::OptionInfo& info : qf::AllOptions()) {
        SCOPED_TRACE(info.key);
        EXPECT_TRUE(a.Value(info.option) == b.Value(info.option));
    }
}

TEST(SettingsFileReading, DefaultsRoundTrip) {
    qf::RecordingMessages messages;
    qf::Options defaults;
    qf::PrepareModelAtStart(defaults);
    ExpectSameSavedModel(RoundTrip(defaults, messages), defaults);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SettingsFileReading, FilledModelRoundTrips) {
    qf::RecordingMessages messages;
    const qf::Options filled = FilledModel();
    ExpectSameSavedModel(RoundTrip(filled, messages), filled);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SettingsFileReading, EmptyTextsAndSpaceDelimiterComeBack) {
    qf::RecordingMessages messages;
    qf::Options o;
    qf::PrepareModelAtStart(o);
    o.SetText(Opt::EDITSTERMS, "");
    o.SetText(Opt::STARTETRMS, "");
    o.SetText(Opt::CFSDFLEDIT, "");
    const qf::Options back = RoundTrip(o, messages);
    EXPECT_EQ(back.Text(Opt::EDITSTERMS), "");
    EXPECT_EQ(back.Text(Opt::STARTETRMS), "");
    EXPECT_EQ(back.Text(Opt::CFSDFLEDIT), "");
    EXPECT_EQ(back.Map(Opt::INCDELMMAP).count("space"), 1u);
    EXPECT_EQ(back.Map(Opt::INCDELMMAP).size(), 13u);
}

// A text written as a single space when empty comes back empty, also where its
// default is another text ("reverse"); where the default is itself a single
// space, that space still comes back, as it did from every earlier file.
TEST(SettingsFileReading, EveryEmptiedSpaceTextComesBackEmpty) {
    qf::RecordingMessages messages;
    qf::Options o;
    qf::PrepareModelAtStart(o);
    for (const qf::OptionInfo& info : qf::AllOptions())
        if (info.kind == qf::OptionKind::TextSpace) o.SetText(info.option, "");
    const qf::Options back = RoundTrip(o, messages);
    for (const qf::OptionInfo& info : qf::AllOptions()) {
        if (info.kind != qf::OptionKind::TextSpace) continue;
        SCOPED_TRACE(info.key);
        EXPECT_EQ(back.Text(info.option), std::string(info.defaultText) == " " ? " " : "");
    }
    EXPECT_EQ(back.Text(Opt::REVFILETYP), "");
}

class DamagedSettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        qf::Options o = FilledModel();
        qf::RecordingMessages m;
        ASSERT_TRUE(qf::SaveSettingsFile(o, dir / "good.SET", m));
        good = qftest::ReadFile(dir / "good.SET");
        qf::PrepareModelAtStart(current);
        current.SetList(Opt::DIRECTORIS, {"/keep/me"});
        current.SetText(Opt::FINDTEXTS1, "current query");
    }

    // Loads bytes into a copy of `current`; returns whether it loaded.
    bool Load(const std::string& bytes, qf::Options& target) {
        qftest::WriteFile(dir / "bad.SET", bytes);
        target = current;
        messages.Clear();
        return qf::LoadSettingsFile(target, dir / "bad.SET", messages);
    }

    void ExpectRefused(const std::string& bytes, const std::string& reasonPart) {
        qf::Options target;
        EXPECT_FALSE(Load(bytes, target));
        EXPECT_TRUE(target == current) << "a refused file changed the settings";
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().caption, "Error !    Msg no: 1001.");
        EXPECT_NE(messages.Last().text.find(reasonPart), std::string::npos) << messages.Last().text;
    }

    std::string Patched(size_t record, size_t offset, const std::string& bytes) {
        std::string copy = good;
        copy.replace(record * kRecord + offset, bytes.size(), bytes);
        return copy;
    }

    qftest::TempDir dir;
    std::string good;
    qf::Options current;
    qf::RecordingMessages messages;
};

TEST_F(DamagedSettingsFile, StructuralDamageIsRefused) {
    ExpectRefused(good.substr(0, good.size() - 1), "not a multiple of 5312");
    ExpectRefused(good.substr(0, good.size() - kRecord), "no end record");
    ExpectRefused(good + good.substr(0, kRecord), "Data follow its end record");
    ExpectRefused(std::string(), "no end record");
    ExpectRefused(Patched(3, 4, "WRONGKEY!!"), "carries the key \"WRONGKEY!!\"");
    ExpectRefused(Patched(0, 14, std::string(260, 'z')), "text without its end");
    ExpectRefused(Patched(1, 5276, std::string("\x07", 1)), "for a check box");
}

TEST_F(DamagedSettingsFile, UnknownRecordsAreSkippedAndCounted) {
    std::string extra = good.substr(0, kRecord);
    extra[0] = char(0x2b);  // record number 555
    extra[1] = char(0x02);
    std::string withUnknown = extra + extra + good;
    qf::Options target;
    ASSERT_TRUE(Load(withUnknown, target));
    EXPECT_EQ(target.List(Opt::DIRECTORIS), FilledModel().List(Opt::DIRECTORIS));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 1002.");
    EXPECT_EQ(messages.Last().text.rfind("2 record(s)", 0), 0u);
}

TEST_F(DamagedSettingsFile, MissingFileAndFolderAreReportedNotCrashed) {
    qf::Options target = current;
    EXPECT_FALSE(qf::LoadSettingsFile(target, dir / "nope.SET", messages));
    EXPECT_FALSE(qf::LoadSettingsFile(target, dir.Path(), messages));
    EXPECT_TRUE(target == current);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().caption, "Error !    Msg no: 1000.");
}

TEST_F(DamagedSettingsFile, TruncatedAndBitFlippedFilesNeverLoadHalfway) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        if (round % 3 == 0) {
            bytes.resize(std::uniform_int_distribution<size_t>(0, good.size() - 1)(random));
        } else {
            const int flips = 1 + round % 7;
            for (int f = 0; f < flips; ++f) {
                const size_t at = std::uniform_int_distribution<size_t>(0, bytes.size() - 1)(random);
                bytes[at] = char(bytes[at] ^ (1 << (round % 8)));
            }
        }
        qf::Options target;
        const bool loaded = Load(bytes, target);
        if (!loaded) {
            EXPECT_TRUE(target == current) << "round " << round;
            EXPECT_EQ(messages.Count(), 1u) << "round " << round;
        }
    }
}

}  // namespace
