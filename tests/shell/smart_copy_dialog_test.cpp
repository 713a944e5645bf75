// The smart copy dialog driven through its controls over real result files.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

#include "control_lookup.h"
#include "engine/session.h"
#include "platform/user_messages.h"
#include "settings/choice_groups.h"
#include "shell/smart_copy_dialog.h"
#include "smartcopy/copy_fixture.h"
#include "support/test_support.h"

using namespace qf::shell;

namespace qftest {
namespace {

class SmartCopyDialogTest : public ::testing::Test {
protected:
    SmartCopyDialogTest() : session(home.Path()) {}

    qf::Options& options() { return session.state.options; }
    std::string Src(const std::string& name) const { return data / ("src/" + name); }
    std::string Dest(const std::string& name = {}) const { return name.empty() ? data / "dest" : data / ("dest/" + name); }
    std::string CopyLog() const { return ReadFile(home / "Temp/Copydefault.log"); }

    std::string AddSource(const std::string& name, const std::string& content) {
        WriteFile(Src(name), content);
        AddResult(session.results, Src(name));
        return Src(name);
    }

    void Open() {
        dialog = std::make_unique<SmartCopyDialog>(session, messages, [this] {
            const QString next = chosen.isEmpty() ? QString() : chosen.front();
            if (!chosen.isEmpty()) chosen.pop_front();
            return next;
        });
    }
    template <typename T>
    T* Child(const QString& name) { return ChildOf<T>(*dialog, name); }
    void Press(const char* name) { Child<QPushButton>(name)->click(); }
    void Check(const char* name, bool on) { Child<QAbstractButton>(name)->setChecked(on); }
    QString Text(const char* field) { return Child<QLineEdit>(field)->text(); }
    void TypeDestination(const std::string& folder) {
        Child<QComboBox>("destination")->setEditText(QString::fromStdString(folder));
    }
    QStringList ListedDestinations() {
        QStringList items;
        auto* combo = Child<QComboBox>("destination");
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        return items;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const qf::Message& m : messages.Messages()) out.push_back(m.caption);
        return out;
    }

    TempDir home;
    TempDir data;
    qf::Session session;
    qf::RecordingMessages messages;
    QStringList chosen;
    std::unique_ptr<SmartCopyDialog> dialog;
};

TEST_F(SmartCopyDialogTest, OpeningShowsTheOptionsTheHistoryAndTheTotalsOfTheCheckedKinds) {
    AddSource("a.txt", "12345");
    const std::string doc = Src("b.doc");
    WriteFile(doc, "binary");
    WriteFile(data / "work/b.doc.txt", "1234567");
    AddResult(session.results, doc, data / "work/b.doc.txt", "DOC");
    const std::string pdf = Src("c.pdf");
    WriteFile(pdf, "binary");
    WriteFile(data / "work/c.pdf.txt", "12345678901");
    AddResult(session.results, pdf, data / "work/c.pdf.txt", "pdf");
    options().SetInt(qf::Opt::CFWORDCHKB, 1);
    qf::SelectChoice(options(), qf::Opt::CFINSUBFOL);
    qf::SelectChoice(options(), qf::Opt::CFNWEXRDBN);
    options().SetText(qf::Opt::CFSDFLEDIT, "/typed/before");
    session.copyDestinations = {"/first", "/second"};
    Open();

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Copy results to the selected folder"));
    EXPECT_TRUE(Child<QCheckBox>("copyResults")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("copyWord")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>("copyPdf")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("intoTypeFolders")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>("intoOneFolder")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("increaseExtensions")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>("overwrite")->isChecked());
    EXPECT_EQ(ListedDestinations(), (QStringList{"/first", "/second"}));
    EXPECT_EQ(Child<QComboBox>("destination")->currentText(), QStringLiteral("/typed/before"));

    // Three result files (5 + 6 + 6 bytes) and the Word text (7 bytes).
    EXPECT_EQ(Text("totalFiles"), QStringLiteral("4"));
    EXPECT_EQ(Text("totalBytes"), QStringLiteral("24"));
    Check("copyPdf", true);
    EXPECT_EQ(Text("totalFiles"), QStringLiteral("5"));
    EXPECT_EQ(Text("totalBytes"), QStringLiteral("35"));
    Check("copyResults", false);
    Check("copyWord", false);
    EXPECT_EQ(Text("totalFiles"), QStringLiteral("1"));
    EXPECT_EQ(Text("totalBytes"), QStringLiteral("11"));
}

TEST_F(SmartCopyDialogTest, CopyUsesTheControlsAsTheyAreAndKeepsOptionsUntilClose) {
    const std::string a = AddSource("a.txt", "alpha");
    const std::string b = AddSource("b.log", "beta!");
    MakeDirs(Dest());
    Open();
    TypeDestination(Dest());
    Check("intoTypeFolders", true);
    Press("copy");

    EXPECT_EQ(Captions(), std::vector<std::string>{"Copy Results!    Msg no: 0237."});
    EXPECT_EQ(ReadFile(Dest("txt/a.txt")), "alpha");
    EXPECT_EQ(ReadFile(Dest("log/b.log")), "beta!");
    EXPECT_EQ(Text("copyFrom").toStdString(), b);
    EXPECT_EQ(Text("copyTo").toStdString(), Dest("log/b.log"));
    EXPECT_EQ(Text("copiedFiles"), QStringLiteral("2"));
    EXPECT_EQ(Text("bytesCopied"), QStringLiteral("10"));
    EXPECT_NE(CopyLog().find("Copy file OK  :     From : " + a), std::string::npos);

    // The destination is remembered at once; the layout only at CLOSE.
    EXPECT_EQ(options().Text(qf::Opt::CFSDFLEDIT), Dest());
    EXPECT_EQ(session.copyDestinations, std::vector<std::string>{Dest()});
    EXPECT_EQ(ListedDestinations(), QStringList{QString::fromStdString(Dest())});
    EXPECT_EQ(options().Int(qf::Opt::CFINSUBFOL), 0);
    EXPECT_NE(options().Date(qf::Opt::SERCHSTART).wYear, 0);
    EXPECT_NE(options().Date(qf::Opt::SEARCHENDT).wYear, 0);

    // A second copy to the same folder does not list it twice.
    TypeDestination(Dest());
    Press("copy");
    EXPECT_EQ(session.copyDestinations.size(), 1u);
}

// The core checks the copy; these make sure the dialog's boxes reach it.
TEST_F(SmartCopyDialogTest, RefusalsReachTheUserAndCopyNothing) {
    Open();
    TypeDestination(Dest());
    Press("copy");  // no results yet
    const std::string a = AddSource("a.txt", "alpha");
    Check("copyResults", false);
    Press("copy");
    Check("copyResults", true);
    TypeDestination("   ");
    Press("copy");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Warning !    Msg no: 0233.", "Warning !    Msg no: 0262.",
                                                    "Warning !    Msg no: 0234."}));
    EXPECT_EQ(messages.Messages()[1].text,
              "No selected files to copy.\nAction : You must select at least one of Results, Word or Pdf to copy.");
    EXPECT_EQ(session.copyDestinations, std::vector<std::string>{Dest()});  // blank text is not listed

    // The folder of a result file is refused before anything is cleared.
    messages.Clear();
    TypeDestination(data / "src");
    Check("deleteBefore", true);
    Press("copy");
    EXPECT_EQ(Captions(), std::vector<std::string>{"Error !    Msg no: 0249."});
    EXPECT_EQ(messages.Last().text, "Result cannot be copied onto itself !!!");
    EXPECT_EQ(ReadFile(a), "alpha");
    EXPECT_FALSE(Exists(home / "Temp/Copydefault.log"));
}

TEST_F(SmartCopyDialogTest, CollisionRadiosAndTheDeleteBoxReachTheCopy) {
    AddSource("a.txt", "alpha");
    WriteFile(Dest("a.txt"), "old");
    Open();
    TypeDestination(Dest());
    Check("increaseNames", true);
    Press("copy");
    EXPECT_EQ(ReadFile(Dest("a.txt")), "old");
    EXPECT_EQ(ReadFile(Dest("aINC001.txt")), "alpha");
    Check("increaseExtensions", true);
    Press("copy");
    EXPECT_EQ(ReadFile(Dest("a.txtINC001")), "alpha");

    WriteFile(Dest("keep/old.txt"), "old");
    Check("overwrite", true);
    Check("deleteBefore", true);
    messages.Clear();
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    Press("copy");
    EXPECT_EQ(messages.Messages()[0].text,
              "Do you want to delete all subfolders and files of the \n" + Dest() + "   folder ?");
    EXPECT_FALSE(Exists(Dest("keep")));
    EXPECT_FALSE(Exists(Dest("aINC001.txt")));
    EXPECT_EQ(ReadFile(Dest("a.txt")), "alpha");
}

TEST_F(SmartCopyDialogTest, SelectFolderAddsANewFolderOnlyOnce) {
    session.copyDestinations = {"/data/first"};
    Open();
    chosen << "/data/second";
    Press("selectFolder");
    EXPECT_EQ(ListedDestinations(), (QStringList{"/data/first", "/data/second"}));
    EXPECT_EQ(Child<QComboBox>("destination")->currentText(), QStringLiteral("/data/second"));

    chosen << "/DATA/First";
    Press("selectFolder");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0232.");
    EXPECT_EQ(messages.Last().text, "This folder is already exists in the Selected Folder combo!\n\n");
    Press("selectFolder");  // cancelled
    EXPECT_EQ(ListedDestinations(), (QStringList{"/data/first", "/data/second"}));
    EXPECT_EQ(Child<QComboBox>("destination")->currentText(), QStringLiteral("/data/second"));
}

TEST_F(SmartCopyDialogTest, CloseStoresEverythingAndTheCloseBoxNothing) {
    const auto change = [this] {
        Open();
        chosen << "/data/chosen";
        Press("selectFolder");
        Check("copyResults", false);
        Check("copyPdf", true);
        Check("deleteBefore", true);
        Check("intoFolderTree", true);
        Check("increaseNames", true);
    };
    const qf::Options defaults;
    const qf::Opt stored[] = {qf::Opt::CFRESULTSC, qf::Opt::CFPDFCHECK, qf::Opt::CFDELCHKBX, qf::Opt::CFINONEFOS,
                              qf::Opt::CFINONEFOL, qf::Opt::CFINCRRDBN, qf::Opt::CFOVWRRDBN};
    change();
    dialog->reject();
    for (qf::Opt o : stored) EXPECT_EQ(options().Int(o), defaults.Int(o)) << int(o);
    EXPECT_TRUE(options().Text(qf::Opt::CFSDFLEDIT).empty());
    EXPECT_TRUE(session.copyDestinations.empty());

    change();
    Press("close");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    for (qf::Opt o : stored) EXPECT_NE(options().Int(o), defaults.Int(o)) << int(o);
    EXPECT_EQ(options().Text(qf::Opt::CFSDFLEDIT), "/data/chosen");
    EXPECT_EQ(session.copyDestinations, std::vector<std::string>{"/data/chosen"});
    Open();  // shows what was stored
    EXPECT_TRUE(Child<QRadioButton>("intoFolderTree")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("increaseNames")->isChecked());
    EXPECT_EQ(ListedDestinations(), QStringList{"/data/chosen"});
}

TEST_F(SmartCopyDialogTest, CopyWhileASearchRunsLeavesTheSearchTimesAlone) {
    AddSource("a.txt", "alpha");
    MakeDirs(Dest());
    qf::SYSTEMTIME searchStart;
    searchStart.wYear = 2001;
    options().SetDate(qf::Opt::SERCHSTART, searchStart);
    session.running = true;
    Open();
    TypeDestination(Dest());
    Press("copy");
    session.running = false;
    EXPECT_EQ(ReadFile(Dest("a.txt")), "alpha");
    EXPECT_EQ(options().Date(qf::Opt::SERCHSTART), searchStart);
}

TEST_F(SmartCopyDialogTest, ViewLogAndShowButtons) {
    Open();
    QSignalSpy viewLog(dialog.get(), &SmartCopyDialog::viewLog);
    Press("viewLog");
    EXPECT_EQ(viewLog.count(), 1);

    Press("showTemporary");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Temporary folders");
    EXPECT_EQ(messages.Last().icon, qf::MsgIcon::None);
    EXPECT_EQ(messages.Last().buttons, qf::MsgButtons::Ok);
    EXPECT_EQ(messages.Last().text, "Temporary folder for converting WORD documents : " + home.Path() +
                                        "/Temp/WORDFILES\n\nTemporary folder for converting PDF documents : " +
                                        home.Path() + "/Temp/PDFFILES");
}

}  // namespace
}  // namespace qftest
