// A whole session set up only through the dialogs: folders, file types, text
// options, a date rule; then the search, sorting, grouping, a report and a
// smart copy, each checked on disk.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>

#include "control_lookup.h"
#include "shell/managing_results_window.h"
#include "shell/reports_window.h"
#include "shell/result_model.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

class DialogsEndToEndTest : public WindowTest {
protected:
    // Presses `trigger`, which opens a modal dialog, and works inside it with `act`.
    void InModal(const std::function<void()>& trigger, const std::function<void(QWidget&)>& act) {
        bool reached = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            reached = true;
            act(*dialog);
            if (dialog->isVisible()) dialog->close();
        });
        trigger();
        EXPECT_TRUE(reached);
    }

    template <typename T = QWidget>
    static T* In(QWidget& parent, const QString& name) { return ChildOf<T>(parent, name); }
    static void Press(QWidget& parent, const QString& name) { PressIn(parent, name); }
    // Sorts, groupings and reports work on threads of their own: wait for them.
    void Command(QWidget& parent, const QString& name) {
        PressIn(parent, name);
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return !window->ManagingResults().Busy() && !window->Reports().Busy(); }, 20000));
    }

    static void Select(QListWidget& list, const QString& text) {
        list.clearSelection();
        const auto items = list.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        items.front()->setSelected(true);
    }

    void MakeFiles() {
        WriteFile(data.Path() + "/docs/a.txt", "alpha beta\nalphabet soup\nalpha again\nno hit here\nalpha after stop\n");
        WriteFile(data.Path() + "/docs/b.log", "alpha in a log\n");
        WriteFile(data.Path() + "/docs/c.md", "an alpha line\n");
        WriteFile(data.Path() + "/old/d.txt", "alpha of long ago\n");
        const struct timespec longAgo[2] = {{978307200, 0}, {978307200, 0}};  // 2001-01-01
        ASSERT_EQ(utimensat(AT_FDCWD, (data.Path() + "/old/d.txt").c_str(), longAgo, 0), 0);
    }

    void ChooseFolder() {
        window->folderChooser = [this] { return QString::fromStdString(data.Path()); };
        InModal([this] { Click(kIdSelectFolders); }, [](QWidget& d) {
            Press(d, QStringLiteral("addInclude"));
            Press(d, QStringLiteral("ok"));
        });
    }

    // Selection by type: every type but "log".
    void ExcludeLogFiles() {
        InModal([this] { Click(kIdSelectFiles); }, [](QWidget& d) {
            Press(d, QStringLiteral("byTypes"));
            Select(*In<QListWidget>(d, QStringLiteral("includeList")), QStringLiteral("log"));
            Press(d, QStringLiteral("toExclude"));
            Press(d, QStringLiteral("exceptExcluded"));
            Press(d, QStringLiteral("ok"));
        });
    }

    // Whole words only, and no line after line 4.
    void WholeWordsUntilLineFour() {
        InModal([this] { Click(kIdTextOptions); }, [](QWidget& d) {
            Press(d, QStringLiteral("wholeOnly"));
            Press(d, QStringLiteral("stopCheck"));
            Press(d, QStringLiteral("stopByLine"));
            In<QLineEdit>(d, QStringLiteral("stopLine"))->setText(QStringLiteral("4"));
            Press(d, QStringLiteral("ok"));
        });
    }

    // Modified during the previous year.
    void ModifiedThisYear() {
        InModal([this] { Click(kIdDateTimeSize); }, [](QWidget& d) {
            Press(d, QStringLiteral("modificationSelected"));
            Press(d, QStringLiteral("modificationPrevious"));
            In<QSpinBox>(d, QStringLiteral("modificationNumber"))->setValue(1);
            In<QComboBox>(d, QStringLiteral("modificationUnit"))->setCurrentText(QStringLiteral("Years"));
            Press(d, QStringLiteral("ok"));
        });
    }

    // "file:line" of every row, top to bottom.
    QStringList Rows() {
        QStringList rows;
        ResultModel& model = window->Model();
        for (int row = 0; row < model.rowCount(); ++row)
            rows << model.index(row, 7).data().toString().trimmed() + QLatin1Char(':') +
                        model.index(row, 3).data().toString().trimmed();
        return rows;
    }
};

TEST_F(DialogsEndToEndTest, DialogsSetUpASearchWhoseResultsAreSortedGroupedReportedAndCopied) {
    MakeFiles();
    ChooseFolder();
    ExcludeLogFiles();
    WholeWordsUntilLineFour();
    ModifiedThisYear();
    EXPECT_EQ(options().List(qf::Opt::DIRECTORIS), qf::OptionList{data.Path()});
    Control<QComboBox>(kIdStandardBox)->setEditText(QStringLiteral("alpha"));
    ASSERT_TRUE(SearchAndWait());
    ASSERT_EQ(messages.Count(), 0u) << messages.Last().caption << messages.Last().text;

    // Line 2 holds only "alphabet", line 5 lies after the stop line, b.log
    // has an excluded type and d.txt is too old.
    QStringList found = Rows();
    EXPECT_EQ(found, (QStringList{QStringLiteral("a.txt:1"), QStringLiteral("a.txt:3"), QStringLiteral("c.md:1")}));

    Click(kIdGroupSort);
    ManagingResultsWindow& managing = window->ManagingResults();
    ASSERT_TRUE(managing.isVisible());
    In<QComboBox>(managing, QStringLiteral("sortBy"))->setCurrentText(QStringLiteral("File/SubFolder name"));
    Press(managing, QStringLiteral("descending"));
    Command(managing, QStringLiteral("sortResults"));
    EXPECT_EQ(Rows().front(), QStringLiteral("c.md:1"));

    auto* groupExclude = In<QListWidget>(managing, IdName(1664));
    for (const char* type : {"txt", "md"}) {
        Select(*groupExclude, QString::fromLatin1(type));
        Press(managing, IdName(1666));
    }
    Command(managing, IdName(1674));
    found = Rows();
    ASSERT_EQ(found.size(), 3);
    EXPECT_TRUE(found[0].startsWith(QStringLiteral("a.txt")) && found[1].startsWith(QStringLiteral("a.txt")));
    EXPECT_EQ(found[2], QStringLiteral("c.md:1"));

    const std::string reportPath = data.Path() + "/report.txt";
    Click(kIdExtractReports);
    window->Reports().chooseSaveFile = [&](const std::string&) { return std::optional<std::string>(reportPath); };
    Command(window->Reports(), QStringLiteral("saveToFile"));
    const std::string report = ReadFile(reportPath);
    EXPECT_NE(report.find("alpha beta"), std::string::npos);
    EXPECT_NE(report.find("an alpha line"), std::string::npos);
    EXPECT_EQ(report.find("alphabet soup"), std::string::npos);
    EXPECT_EQ(report.find("alpha in a log"), std::string::npos);
    EXPECT_LT(report.find("alpha beta"), report.find("an alpha line"));  // in the grouped order

    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("Save operation completed"), std::string::npos);

    const std::string destination = home.Path() + "/copies";
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    InModal([this] { Click(kIdSmartCopy); }, [&](QWidget& d) {
        In<QComboBox>(d, QStringLiteral("destination"))->setEditText(QString::fromStdString(destination));
        Press(d, QStringLiteral("intoOneFolder"));
        Press(d, QStringLiteral("copy"));
        Press(d, QStringLiteral("close"));
    });
    // Asked whether to create the destination (Yes), then told the copy is done.
    const std::vector<qf::Message> shown = messages.Messages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].caption, "Warning !    Msg no: 0235.");
    EXPECT_EQ(shown[2].caption, "Copy Results!    Msg no: 0237.");
    EXPECT_EQ(ReadFile(destination + "/a.txt"), ReadFile(data.Path() + "/docs/a.txt"));
    EXPECT_EQ(ReadFile(destination + "/c.md"), "an alpha line\n");
    EXPECT_FALSE(Exists(destination + "/b.log"));
    EXPECT_FALSE(Exists(destination + "/d.txt"));
    EXPECT_EQ(session.copyDestinations, std::vector<std::string>{destination});
}

}  // namespace
}  // namespace qftest
