// The settings file's bytes, checked against records laid out here by hand.

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "platform/user_messages.h"
#include "settings/default_lists.h"
#include "settings/settings_file.h"
#include "support/test_support.h"

namespace {

constexpr size_t kRecord = 5312;

// Every record number and key field of a model whose lists are all empty, in
// file order, as the file format lays them down.
const char* const kEmptyModelRecords =
    "1 SEPARATORH 3 SUBFOLDERS 4 CASESENSIT 5 NOTCONTAIN 6 ALLWORDPRT 7 WHOLEWORDS 8 PARTSWORDS "
    "9 CLINENUMBR 10 LINENRADIO 11 EDITLNUMBR 12 TERMSRADIO 13 EDITSTERMS 14 RESTORETIM 15 CKALLWORDS "
    "16 CKANYWORDS 21 ALLINONECH 22 INANYORDER 23 INGIVORDER 24 CREACKTIME 25 CREABETWEN 26 CREAPREVOS "
    "27 CRFROMDATE 28 CREATODATE 29 CRTIMENUMB 30 CREAGETYPE 31 ACCCHKTIME 32 ACCBETWEEN 33 ACCPREVIOS "
    "34 ACFROMDATE 35 ACCSTODATE 36 ACTIMENUMB 37 ACCAGETYPE 38 WRTCHKTIME 39 WRTBETWEEN 40 ERTPREVIOS "
    "41 WRFROMDATE 42 WRITTODATE 43 WRTIMENUMB 44 WRTAGETYPE 47 ALLFILETPS 48 INCFILETPS 49 EXCFILETPS "
    "50 SELONEFLTS 51 SELONEFILE 54 INCDELIMTS 55 SELONEDELM 56 SELONEDLMN 59 CHECKCOMMT 61 NOTSHCMMNT "
    "62 ONLYSCMMNT 63 BOTHCMMNTS 64 INCCOMCHAR 65 ONECOMCHAR 66 SELONECHAR 69 SEARCHINRE 70 ABOVERESNO "
    "71 BELOWRESNO 72 RESLINENUM 73 SELSORTORD 74 ASCSORTORD 75 DSCSORTORD 77 IALLFILETP 78 IINCFILETP "
    "79 IEXCFILETP 80 ISELONEFLT 81 ISELONEFIL 86 IMSUBFOLDE 87 IMMAXRESLT 88 CRFILETEXT 89 FINDTEXTS1 "
    "90 FINDRICHED 91 CSIZECHECK 92 SIZELARGER 93 SIZESMALER 94 SIZEEQUALT 95 SIZEBETWEN 96 SIZEFROMTW "
    "97 SIZETOWWWW 98 SIZEINBYTS 99 SIZENKBYTS 100 SIZENMBYTS 101 SIZENGBYTS 102 SIZEVALUE 103 ARESLINENU "
    "104 STARTCHECK 105 STARTLNRAD 106 STARTTRADO 107 STARTLNUMB 108 STARTETERM 109 STYDOSFILE "
    "110 STSTRGFILE 111 STYPFOLDER 112 STYPESTEXT 113 FOLDCRITER 114 REVCHECKBX 115 REVREVERSE "
    "116 REVORIGINL 117 REVWRTCHKB 118 REVFILETYP 119 REVFOLDERS 120 REVPSACHCK 121 REVPSOCHCK "
    "122 REVSTARTCH 123 REVSALNRAD 124 REVSATRADO 125 REVSALNUMB 126 REVSATERMS 127 REVSTOPCHK "
    "128 REVSOLNRAD 129 REVSOTRADO 130 REVSOLNUMB 131 REVSOTERMS 132 REVERSEALL 133 REVELARGER "
    "134 REVESMALER 135 REVEEQUALT 136 REVEBETWEN 137 REVEFROMTW 138 REVETOWWWW 139 REVEINBYTS "
    "140 REVENKBYTS 141 REVENMBYTS 142 REVENGBYTS 143 REVENTBYTS 144 MATCHFILNA 145 MATCHFILTY "
    "146 SRCTYOTHER 147 EXCCONFIRM 148 FOLCONFIRM 149 DELCONFIRM 150 COMCONFIRM 151 IFECONFIRM "
    "152 IFOCONFIRM 153 FOLDSTRCHK 154 REVBUFFNUM 156 SEARCHENDC 157 SEARCHENDB 158 SEARCHMAXL "
    "161 LISTSETCHK 162 LISTRESCHK 163 LISTPRECHK 164 LISTPRERAD 165 LISTPRRRED 166 SERCHSTART "
    "167 SEARCHENDT 168 DISPLAYATE 169 DISPLAYDUR 170 APPDEFRADO 171 APPSORRADO 172 LISTSUMMAR "
    "173 LISTORIGMO 174 STANRADIO1 175 BOOLRADIO1 176 MICROBOOLR 177 SSTRGFILEE 178 FOLDECRITE "
    "179 FOLDESTRCH 180 FILEICRITE 181 FILEISTRCH 182 FILEECRITE 183 FILEESTRCH 185 CREINCRADO "
    "186 CREEXCRADO 187 WRIINCRADO 188 WRIEXCRADO 189 ACCINCRADO 190 ACCEXCRADO 191 CONVWORDCH "
    "192 CONVPDFCHK 193 CONVZIPCHK 194 ARESLINENU 195 CFSDFLEDIT 196 CFOVWRRDBN 197 CFINCRRDBN "
    "198 CFNWEXRDBN 199 CFDELCHKBX 200 ARCHIVNONE 201 ARCHIVEALL 202 ARCHIVEARC 203 ARCHIVECON "
    "204 ARCDFLEDIT 205 ZIPWORKDIR 206 WORDWRKDIR 207 PDFWORKDIR 208 WRDDFLEDIT 209 PDFDFLEDIT "
    "210 ZFNDFLTEXT 212 SUMSHWHIDE 213 WARNINGTMP 214 CFINONEFOL 215 CFINSUBFOL 216 CFINONEFOS "
    "217 CFINSUBFOS 218 CFRESULTSC 219 CFWORDCHKB 220 CFPDFCHECK 221 CFUNZIPCHK 301 CONVTIMELM "
    "302 ZIPRATIOLM 303 ZIPBUDGETM 311 RESTORELST "
    "331 CONVOFFICE 332 OFFWRKDIR 900 VEGVEGEVE";

int32_t Int32At(const std::string& file, size_t record, size_t offset) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v |= uint32_t(uint8_t(file[record * kRecord + offset + i])) << (8 * i);
    return int32_t(v);
}

int64_t Int64At(const std::string& file, size_t record, size_t offset) {
    uint64_t v = 0;
    for (size_t i = 0; i < 8; ++i) v |= uint64_t(uint8_t(file[record * kRecord + offset + i])) << (8 * i);
    return int64_t(v);
}

std::string KeyField(const std::string& file, size_t record) { return file.substr(record * kRecord + 4, 10); }

std::string TextAt(const std::string& file, size_t record, size_t offset) {
    return std::string(file.c_str() + record * kRecord + offset);
}

// The key field as laid down: ten letters fill it, a shorter key ends in NUL.
std::string ExpectedKeyField(const std::string& key) {
    std::string field = key.substr(0, 10);
    field.resize(10, '\0');
    return field;
}

std::string WriteAndRead(const qf::Options& options, const qftest::TempDir& dir) {
    qf::RecordingMessages messages;
    const std::string path = dir / "model.SET";
    EXPECT_TRUE(qf::SaveSettingsFile(options, path, messages));
    EXPECT_EQ(messages.Count(), 0u);
    return qftest::ReadFile(path);
}

// 197 single records of the format, six of our own options and the end record.
TEST(SettingsFileLayout, EmptyModelIsExactly204RecordsInTableOrder) {
    qftest::TempDir dir;
    const qf::Options empty;  // no default lists loaded
    const std::string file = WriteAndRead(empty, dir);
    ASSERT_EQ(file.size() % kRecord, 0u);
    ASSERT_EQ(file.size() / kRecord, 204u);

    std::istringstream expected(kEmptyModelRecords);
    int32_t id = 0;
    std::string key;
    for (size_t i = 0; expected >> id >> key; ++i) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Int32At(file, i, 0), id);
        EXPECT_EQ(KeyField(file, i), ExpectedKeyField(key));
    }
    // Record 47 follows record 44 directly: empty folder lists write nothing.
    EXPECT_EQ(Int32At(file, 38, 0), 44);
    EXPECT_EQ(Int32At(file, 39, 0), 47);
}

TEST(SettingsFileLayout, ValuesSitInTheirFields) {
    qftest::TempDir dir;
    qf::Options o;
    o.SetText(qf::Opt::EDITSTERMS, "");
    o.SetText(qf::Opt::STARTETRMS, "");
    o.SetInt(qf::Opt::EDITLNUMBR, 123);
    o.SetInt(qf::Opt::SIZEFROMTW, 5000000000LL);
    o.SetInt(qf::Opt::RESLINENUM, 77);
    o.SetInt(qf::Opt::ARESLINENU, 5);
    o.SetInt(qf::Opt::ARESLINENU_SAVED, 9);
    o.SetText(qf::Opt::FINDRICHED, "(a .AND. b)");
    const std::string file = WriteAndRead(o, dir);

    EXPECT_EQ(TextAt(file, 0, 14), "\"");                 // SEPARATORH: the double quote
    EXPECT_EQ(Int32At(file, 9, 5284), 123);               // EDITLNUMBR in nNumber
    EXPECT_EQ(TextAt(file, 11, 14), " ");                  // empty stop term: one space
    EXPECT_EQ(Int32At(file, 57, 5276), 77);               // RESLINENUM in nState
    const size_t sizeFrom = 76;                            // record 96
    EXPECT_EQ(Int32At(file, sizeFrom, 0), 96);
    EXPECT_EQ(Int64At(file, sizeFrom, 5288), 5000000000LL);
    EXPECT_EQ(Int32At(file, 70, 0), 90);
    EXPECT_EQ(TextAt(file, 70, 274), "(a .AND. b)");       // Boolean query in sLongText
    EXPECT_EQ(TextAt(file, 88, 14), " ");                  // empty start term, key STARTETERM
    EXPECT_EQ(KeyField(file, 88), "STARTETERM");
    EXPECT_EQ(Int32At(file, 83, 5276), 5);                // ARESLINENU
    EXPECT_EQ(Int32At(file, 170, 0), 194);                // its second record
    EXPECT_EQ(KeyField(file, 170), "ARESLINENU");
    EXPECT_EQ(Int32At(file, 170, 5276), 9);
    EXPECT_EQ(Int32At(file, 197, 5276), 120);             // CONVTIMELM in nState
    EXPECT_EQ(Int32At(file, 199, 5276), 4096);            // ZIPBUDGETM
    EXPECT_EQ(Int32At(file, 200, 5276), 0);               // RESTORELST, off by default
    EXPECT_EQ(Int32At(file, 201, 5276), 1);               // CONVOFFICE, on by default
    EXPECT_EQ(TextAt(file, 202, 14), " ");                 // OFFWRKDIR empty: one space
    EXPECT_EQ(Int32At(file, 203, 5276), 0);               // end record's nState
}

TEST(SettingsFileLayout, DefaultListsGiveTheirRecordCountsInMapOrder) {
    qftest::TempDir dir;
    qf::Options o;
    qf::PrepareModelAtStart(o);
    const std::string file = WriteAndRead(o, dir);
    ASSERT_EQ(file.size() % kRecord, 0u);

    std::vector<std::string> included, delimiters;
    int columns = 0;
    for (size_t i = 0; i < file.size() / kRecord; ++i) {
        const int32_t id = Int32At(file, i, 0);
        if (id == 52) included.push_back(TextAt(file, i, 14));
        if (id == 57) delimiters.push_back(TextAt(file, i, 14));
        if (id == 159) {
            ++columns;
            EXPECT_EQ(Int32At(file, i, 5284), columns);
        }
    }
    ASSERT_EQ(included.size(), 171u);
    EXPECT_EQ(included.front(), "acp");
    EXPECT_TRUE(std::is_sorted(included.begin(), included.end()));
    EXPECT_EQ(delimiters.size(), 13u);
    EXPECT_EQ(std::count(delimiters.begin(), delimiters.end(), "space"), 1);
    EXPECT_EQ(columns, 11);
}

TEST(SettingsFileLayout, LongTextsAreCutInsideTheirFields) {
    qftest::TempDir dir;
    qf::Options o;
    o.SetText(qf::Opt::SEPARATORH, std::string(400, 'x'));
    o.SetText(qf::Opt::FINDRICHED, std::string(6000, 'y'));
    const std::string file = WriteAndRead(o, dir);
    EXPECT_EQ(TextAt(file, 0, 14).size(), 259u);
    EXPECT_EQ(TextAt(file, 70, 274).size(), 5001u);
    EXPECT_EQ(file.size(), 204 * kRecord);
}

TEST(SettingsFileLayout, SavingAgainReplacesTheFile) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    qf::Options o;
    qf::PrepareModelAtStart(o);
    ASSERT_TRUE(qf::SaveSettingsFile(o, dir / "a.SET", messages));
    const qf::Options empty;
    ASSERT_TRUE(qf::SaveSettingsFile(empty, dir / "a.SET", messages));
    EXPECT_EQ(qftest::ReadFile(dir / "a.SET").size(), 204 * kRecord);
}

TEST(SettingsFileLayout, UnwritableTargetReports0069) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    EXPECT_FALSE(qf::SaveSettingsFile(qf::Options{}, dir / "missing/folder/x.SET", messages));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Severe Error!    Msg no: 0069.");
    EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Error);
}

}  // namespace
