// The settings description windows: the modal dialog and the tool window.

#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>
#include <optional>

#include "engine/session.h"
#include "settings/default_lists.h"
#include "shell/tavilan_view.h"
#include "support/test_support.h"

using namespace qf::shell;

namespace qftest {
namespace {

class TavilanTest : public ::testing::Test {
protected:
    TavilanTest() : session(home.Path()) { qf::LoadDefaultLists(options()); }

    qf::Options& options() { return session.state.options; }

    // What the main window's controls say: a content search for "abc".
    StoreTargets ContentSearch(const char* query) {
        return [this, query](qf::Options& o) {
            ++stores;
            o.SetInt(qf::Opt::STYDOSFILE, 0);
            o.SetInt(qf::Opt::STYPESTEXT, 1);
            o.SetInt(qf::Opt::STANRADIO1, 1);
            o.SetText(qf::Opt::FINDTEXTS1, query);
        };
    }
    StoreTargets ByFileName() {
        return [this](qf::Options& o) {
            ++stores;
            o.SetInt(qf::Opt::STYDOSFILE, 1);
            o.SetInt(qf::Opt::STYPESTEXT, 0);
        };
    }

    // The value of the first row whose attribute, without its indent, is `text`; empty when absent.
    static std::optional<QString> ValueOf(const TavilanView& view, const QString& text) {
        for (int row = 0; row < view.RowCount(); ++row)
            if (view.Text(row, 0).trimmed() == text.trimmed()) return view.Text(row, 1);
        return std::nullopt;
    }

    TempDir home;
    qf::Session session;
    int stores = 0;
};

TEST_F(TavilanTest, DialogStoresTheTargetsFirstAndShowsTheList) {
    TavilanDialog dialog(session, ContentSearch("abc"));
    EXPECT_EQ(stores, 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Show Tavilan"));
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(options().Text(qf::Opt::FINDTEXTS1), "abc");  // stored into the live options when idle

    auto* list = dialog.findChild<QTableView*>("tavilanList");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Attributes"));
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Values"));
    EXPECT_EQ(list->columnWidth(0), 400);
    EXPECT_EQ(list->columnWidth(1), 1500);

    const TavilanView& view = dialog.View();
    EXPECT_EQ(view.Text(0, 0), QStringLiteral("Search by "));
    EXPECT_EQ(ValueOf(view, "Standard Search "), QStringLiteral("ON"));
    EXPECT_EQ(ValueOf(view, "Search term(s) and/or phrase(s) is/are : "), QStringLiteral("abc"));
    EXPECT_TRUE(ValueOf(view, "TEXT options : ").has_value());
    EXPECT_TRUE(view.SummaryLines().contains("Binary (excluded for file content search) file types : ON."));

    dialog.show();
    dialog.findChild<QPushButton*>("tavilanOk")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.isHidden());
}

TEST_F(TavilanTest, ByFileNameLeavesOutTheTextOptionsAndEverySummaryLineIsOff) {
    TavilanDialog dialog(session, ByFileName());
    const TavilanView& view = dialog.View();
    EXPECT_EQ(ValueOf(view, "File name search only"), QStringLiteral("ON"));
    EXPECT_FALSE(ValueOf(view, "TEXT options : ").has_value());
    ASSERT_EQ(view.SummaryLines().size(), 5);
    for (const QString& line : view.SummaryLines()) EXPECT_TRUE(line.endsWith(QStringLiteral(": OFF."))) << line.toStdString();
}

TEST_F(TavilanTest, WindowRebuildsOnEachRefreshWithTheCopyDestinations) {
    TavilanWindow window(session, ContentSearch("first"));
    EXPECT_EQ(stores, 0);  // created hidden and empty
    EXPECT_EQ(window.View().RowCount(), 0);
    window.Refresh();
    window.show();
    EXPECT_EQ(ValueOf(window.View(), "Search term(s) and/or phrase(s) is/are : "), QStringLiteral("first"));
    EXPECT_FALSE(ValueOf(window.View(), "Folders for copy are : ").has_value());

    session.copyDestinations = {"/backup/one", "/backup/two"};
    options().SetInt(qf::Opt::CASESENSIT, 1);
    window.Refresh();
    EXPECT_EQ(stores, 2);
    EXPECT_EQ(ValueOf(window.View(), "Case sensitive.  "), QStringLiteral("ON"));
    int destinations = 0;
    for (int row = 0; row < window.View().RowCount(); ++row)
        if (window.View().Text(row, 1).startsWith("/backup/")) ++destinations;
    EXPECT_EQ(destinations, 2);

    window.findChild<QPushButton*>("tavilanOk")->click();
    EXPECT_TRUE(window.isHidden());
}

TEST_F(TavilanTest, WhileASearchRunsTheWindowDescribesACopyOfTheOptions) {
    options().SetInt(qf::Opt::STYDOSFILE, 1);
    const qf::Options before = options();
    TavilanWindow window(session, ContentSearch("running"));
    session.running = true;
    window.Refresh();
    session.running = false;
    EXPECT_EQ(stores, 1);
    EXPECT_EQ(ValueOf(window.View(), "Search term(s) and/or phrase(s) is/are : "), QStringLiteral("running"));
    EXPECT_TRUE(options() == before);
}

}  // namespace
}  // namespace qftest
