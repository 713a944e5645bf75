// Help inside the program: the pages, their topics and the way between them.

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include "shell/help_pages.h"
#include "shell/help_window.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

class HelpTest : public WindowTest {
protected:
    void Menu(int id) { window->findChild<QAction*>(IdName(id))->trigger(); }
    QString Page() { return QFileInfo(window->Help().Source().toLocalFile()).fileName(); }
    HelpWindow& Help() { return window->Help(); }
};

// Every help command shows its page, at its topic, in the program's window.
TEST_F(HelpTest, TheHelpCommandsShowTheirPagesWithoutABrowser) {
    const std::pair<int, const char*> commands[] = {{kCmdHelpContents, "index.html"},
                                                    {kCmdQuickStart, "quick-start.html"},
                                                    {kCmdExactPhrase, "exact-phrases.html"},
                                                    {kCmdBooleanHelp, "boolean-search.html"}};
    for (const auto& [id, page] : commands) {
        Menu(id);
        EXPECT_TRUE(Help().isVisible()) << page;
        EXPECT_EQ(Page(), QString::fromLatin1(page));
        EXPECT_FALSE(Help().Browser().document()->isEmpty()) << page;
    }
    EXPECT_EQ(Help().Source().fragment(), QStringLiteral("topic28"));
    EXPECT_FALSE(Help().Browser().documentTitle().isEmpty());
    EXPECT_EQ(messages.Count(), 0u);

    Help().hide();
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    window->AskQuickStart();
    EXPECT_TRUE(Help().isVisible());
    EXPECT_EQ(Page(), QStringLiteral("quick-start.html"));
    EXPECT_EQ(messages.Count(), 1u);  // the question only
}

TEST_F(HelpTest, BackForwardAndThePageListMoveBetweenPages) {
    Menu(kCmdHelpContents);
    Menu(kCmdQuickStart);
    auto* back = Help().findChild<QPushButton*>(QStringLiteral("back"));
    auto* forward = Help().findChild<QPushButton*>(QStringLiteral("forward"));
    auto* pages = Help().findChild<QListWidget*>(QStringLiteral("helpPages"));
    EXPECT_EQ(pages->currentItem()->text(), QStringLiteral("Quick Start Guide"));
    ASSERT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
    back->click();
    EXPECT_EQ(Page(), QStringLiteral("index.html"));
    EXPECT_EQ(pages->currentRow(), 0);
    forward->click();
    EXPECT_EQ(Page(), QStringLiteral("quick-start.html"));

    pages->setCurrentRow(4);
    EXPECT_EQ(Page(), QStringLiteral("boolean-syntax.html"));
    // A link inside a page.
    Help().Browser().setSource(QUrl(QStringLiteral("examples.html#topic33")));
    EXPECT_EQ(pages->currentItem()->text(), QStringLiteral("Examples"));
}

// A page that is not there gives the help message with the command's
// number; the pages that are there never do.
TEST_F(HelpTest, OnlyAMissingPageGivesTheHelpMessage) {
    WriteFile(data / "index.html", "<html><body><h1 id=\"contents\">Contents</h1></body></html>");
    Help().SetFolder(QString::fromStdString(data.Path()));
    EXPECT_TRUE(window->OpenHelp(kTopicContents, 15));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_FALSE(window->OpenHelp(kTopicQuickStart, 205));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Severe Error!    Msg no: 0205.");
    EXPECT_EQ(messages.Last().text, "Unable to activate help !\n\nMaybe help file is damaged. \n\nImmediately e-mail us, please!");
    EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Error);
}

// The About box's links lead to the installed pages or nowhere, never into
// a build or source folder.
TEST(HelpPages, TheProductPagesAreTheInstalledHelp) {
    for (const QUrl& url : {HomePageUrl(), SupportPageUrl()}) {
        if (url.isEmpty()) continue;
        EXPECT_TRUE(url.toLocalFile().endsWith(QStringLiteral("/share/doc/quillfind/help/index.html")))
            << url.toString().toStdString();
    }
    EXPECT_TRUE(HelpUrl(kTopicQuickStart, QStringLiteral("/nonexistent")).isEmpty());
}

}  // namespace
}  // namespace qftest
