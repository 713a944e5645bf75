// The result table as a person uses it: readable cells, keys and clicks,
// the row menu, header sorting, and the preview that follows them.

#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QUrl>

#include "shell/managing_results_window.h"
#include "shell/preview_edit.h"
#include "shell/result_clicks.h"
#include "shell/result_model.h"
#include "shell/view_text_edit.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

class ResultTableTest : public WindowTest {
protected:
    void SetUp() override {
        options().SetList(qf::Opt::DIRECTORIS, {data.Path()});
        window->Clicks().desktop.openUrl = [this](const QUrl& url) {
            opened << url.toLocalFile();
            return true;
        };
    }
    void Search(const char* query) {
        Control<QComboBox>(kIdStandardBox)->setEditText(QString::fromLatin1(query));
        ASSERT_TRUE(SearchAndWait());
    }
    QTableView* Table() { return Control<QTableView>(kIdResultWindow); }
    PreviewEdit* Preview() { return Control<PreviewEdit>(kIdPreview); }
    QString Cell(int row, int column) { return window->Model().index(row, column).data().toString(); }
    QPoint RowCentre(int row) { return Table()->visualRect(window->Model().index(row, 7)).center(); }
    void ClickHeader(int column) {
        QTest::mouseClick(Table()->horizontalHeader()->viewport(), Qt::LeftButton, {}, HeaderPoint(column));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->ManagingResults().Busy(); }, 20000));
    }
    QPoint HeaderPoint(int column) {
        QHeaderView* header = Table()->horizontalHeader();
        return {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2};
    }

    QStringList opened;
};

// A cell must show its value, not the blanks that pad it for sorting, and
// its column must be wide enough for it in the window's font.
TEST_F(ResultTableTest, CellsShowTheirWholeValuesWithoutSortPadding) {
    WriteFile(data / "a.txt", "alpha\n");
    WriteFile(data / "a-much-longer-name.txt", std::string(1234560, 'x') + "\nalpha\n");
    Search("alpha");
    ASSERT_EQ(window->Model().rowCount(), 2);
    const int big = Cell(0, 7) == QStringLiteral("a.txt") ? 1 : 0;
    EXPECT_EQ(Cell(1 - big, 7), QStringLiteral("a.txt"));
    EXPECT_EQ(Cell(big, 11), QStringLiteral("1234567"));
    EXPECT_EQ(Cell(1 - big, 11), QStringLiteral("6"));
    EXPECT_EQ(Cell(1 - big, 3), QStringLiteral("1"));
    EXPECT_EQ(Cell(1 - big, 4), QStringLiteral("alpha"));
    // The list keeps its padding for sorting and reports.
    EXPECT_EQ(session.results.CellText(size_t(1 - big), 11), "      6");

    QHeaderView* header = Table()->horizontalHeader();
    const QFontMetrics cells(Table()->font());
    for (int column : {1, 2, 3, 4, 5, 7, 10, 11, 12, 13, 14, 25}) {
        const int room = header->sectionSize(column) - 6;
        EXPECT_LE(cells.horizontalAdvance(Cell(big, column)), room) << column;
        EXPECT_LE(QFontMetrics(header->font()).horizontalAdvance(
                      window->Model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()),
                  room)
            << column;
    }
    EXPECT_TRUE(header->sectionsMovable());
    EXPECT_EQ(header->sectionResizeMode(9), QHeaderView::Interactive);
    EXPECT_TRUE(header->stretchLastSection());
}

// Moving the current row with the keyboard does what a click does; the
// preview numbers its lines as in the file, in a fixed-width font.
TEST_F(ResultTableTest, KeysMoveThePreviewAndTheRecordViewAsClicksDo) {
    WriteFile(data / "f1.txt", "one\ntwo alpha\nthree\n");
    WriteFile(data / "f2.txt", "1\n2\n3\n4\n5\n6\n7 alpha\n8\n9\n");
    WriteFile(data / "f3.txt", "alpha last\n");
    Search("alpha");
    ASSERT_EQ(window->Model().rowCount(), 3);
    EXPECT_TRUE(QFontInfo(Preview()->font()).fixedPitch());
    EXPECT_EQ(Preview()->toPlainText(), QStringLiteral("one\ntwo alpha\nthree\n"));
    EXPECT_EQ(Preview()->FileLineNumber(0), 1u);
    Click(kIdRecordView);

    Table()->setFocus();
    QTest::keyClick(Table(), Qt::Key_Down);
    EXPECT_EQ(Preview()->toPlainText(), QStringLiteral("5\n6\n7 alpha\n8\n9\n"));
    EXPECT_EQ(Preview()->FileLineNumber(0), 5u);
    EXPECT_EQ(Preview()->FileLineNumber(2), 7u);
    EXPECT_GT(Preview()->MarginWidth(), 0);
    EXPECT_EQ(window->RecordView().ValueText(6), QStringLiteral("f2.txt"));

    QTest::keyClick(Table(), Qt::Key_PageDown);
    EXPECT_EQ(Preview()->toPlainText(), QStringLiteral("alpha last\n"));
    QTest::keyClick(Table(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(window->Clicks().SelectedRow(), 0);
    EXPECT_EQ(Preview()->toPlainText(), QStringLiteral("one\ntwo alpha\nthree\n"));

    // The next search starts with an empty preview.
    options().SetList(qf::Opt::DIRECTORIS, {});
    WriteFile(data / "slow.txt", "alpha\n");
    options().SetList(qf::Opt::DIRECTORIS, {data.Path()});
    Click(kIdSearch);
    EXPECT_TRUE(Preview()->toPlainText().isEmpty());
    EXPECT_EQ(Preview()->MarginWidth(), 0);
    QSignalSpy ended(window.get(), &MainWindow::searchEnded);
    ASSERT_TRUE(ended.wait(20000));
}

TEST_F(ResultTableTest, TheFirstHitOfALongLineIsScrolledIntoView) {
    WriteFile(data / "long.txt", "before\n" + std::string(3000, 'x') + " alpha alpha\nafter\n");
    Search("alpha");
    ASSERT_EQ(window->Model().rowCount(), 1);
    PreviewEdit* preview = Preview();
    EXPECT_GT(preview->horizontalScrollBar()->value(), 0);
    const QRect cursor = preview->cursorRect();
    EXPECT_TRUE(preview->viewport()->rect().contains(cursor.center()));
    EXPECT_EQ(preview->textCursor().position(), int(std::string("before\n").size()) + 3001);
}

// Whatever the click action, a double click opens the file, and only once.
TEST_F(ResultTableTest, DoubleClickOpensTheFileOnce) {
    WriteFile(data / "f.txt", "alpha\n");
    Search("alpha");
    const QString path = QString::fromStdString(data / "f.txt");
    QSignalSpy doubleClicks(Table(), &QAbstractItemView::doubleClicked);
    const auto doubleClick = [this] {
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, RowCentre(0));
        QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, RowCentre(0));
    };
    doubleClick();
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_FALSE(Preview()->toPlainText().isEmpty());

    opened.clear();
    Click(kIdOpenDefaultApp);
    doubleClick();
    EXPECT_EQ(doubleClicks.count(), 2);
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_EQ(messages.Count(), 0u);
}

// Keys move the record view in either click action, but only Enter opens a
// file: a key held down must not open one after another.
TEST_F(ResultTableTest, KeysNeverOpenFilesEnterDoes) {
    WriteFile(data / "a.txt", "alpha\n");
    WriteFile(data / "b.txt", "alpha\n");
    Search("alpha");
    Click(kIdOpenDefaultApp);
    Click(kIdRecordView);
    Table()->setFocus();
    QTest::keyClick(Table(), Qt::Key_Down);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(window->RecordView().ValueText(6), QStringLiteral("b.txt"));
    QTest::keyClick(Table(), Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{QString::fromStdString(data / "b.txt")});
}

TEST_F(ResultTableTest, TheRowMenuOpensShowsTheFolderAndCopies) {
    WriteFile(data / "f.txt", "x\tsays alpha\n");
    Search("alpha");
    emit Table()->customContextMenuRequested(RowCentre(0));
    auto* menu = Table()->findChild<QMenu*>(QStringLiteral("resultRowMenu"));
    ASSERT_NE(menu, nullptr);
    const auto action = [menu](const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); };
    ASSERT_TRUE(action("openFile") && action("openFolder") && action("copyPath") && action("copyLine"));

    action("copyPath")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(data / "f.txt"));
    action("copyLine")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("xsays alpha"));  // tabs are removed from hit lines
    action("openFolder")->trigger();
    action("openFile")->trigger();
    EXPECT_EQ(opened, (QStringList{QString::fromStdString(data.Path()), QString::fromStdString(data / "f.txt")}));
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Below the last row there is no row to offer.
    emit Table()->customContextMenuRequested(QPoint(5, Table()->viewport()->height() - 2));
    EXPECT_EQ(Table()->findChildren<QMenu*>(QStringLiteral("resultRowMenu")).size(), 0);
}

// A header of a sort key sorts through the Sort command; again reverses it;
// other headers leave the order alone.
TEST_F(ResultTableTest, HeaderClicksSortByTheirKeyAndReverse) {
    WriteFile(data / "b.txt", std::string(300, 'x') + "\nalpha\n");
    WriteFile(data / "a.txt", "alpha\n");
    WriteFile(data / "c.txt", std::string(2000, 'x') + "\nalpha\n");
    Search("alpha");
    const auto column = [this](int c) {
        QStringList texts;
        for (int row = 0; row < window->Model().rowCount(); ++row) texts << Cell(row, c);
        return texts;
    };
    QHeaderView* header = Table()->horizontalHeader();
    ClickHeader(11);
    EXPECT_EQ(column(7), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(options().Int(qf::Opt::SELSORTORD), 4);
    EXPECT_EQ(options().Int(qf::Opt::LISTORIGMO), 1);
    EXPECT_EQ(header->sortIndicatorSection(), 11);
    EXPECT_EQ(column(25), (QStringList{"1", "2", "3"}));

    ClickHeader(11);
    EXPECT_EQ(column(7), (QStringList{"c.txt", "b.txt", "a.txt"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    ClickHeader(3);
    EXPECT_EQ(column(7), (QStringList{"c.txt", "b.txt", "a.txt"}));
    EXPECT_EQ(header->sortIndicatorSection(), 11);
    EXPECT_EQ(messages.Count(), 0u);
}

// The six colours stay; each is a background behind text that reads on it.
TEST(HitColours, KeepTheirColoursBehindReadableText) {
    for (int i = 0; i < 6; ++i) {
        const QColor colour = TermColour(i);
        EXPECT_EQ(colour, QColor(qf::kColorList[size_t(i)].red, qf::kColorList[size_t(i)].green,
                                 qf::kColorList[size_t(i)].blue));
        EXPECT_GE(ContrastRatio(HitTextColour(colour), colour), 4.5) << i;
    }
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_LT(ContrastRatio(TermColour(5), Qt::white), 3.0);  // yellow text on white could not be read

    QTextEdit edit;
    qf::ViewText view{"a yellow hit", {}};
    view.ranges.push_back({2, 8, 2, 8, 2, 8, 5});
    ShowViewText(edit, view);
    QTextCursor cursor(edit.document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().background().color(), TermColour(5));
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::black));
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().background().style(), Qt::NoBrush);
}

}  // namespace
}  // namespace qftest
