#include "shell/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/help_pages.h"

namespace qf::shell {
namespace {

struct PageEntry {
    int topic;
    const char* title;
};

constexpr PageEntry kPages[] = {
    {kTopicContents, "Contents"},
    {kTopicQuickStart, "Quick Start Guide"},
    {kTopicExactPhrase, "Exact phrase search"},
    {kTopicBoolean, "Boolean and micro Boolean search"},
    {kTopicBooleanSyntax, "Boolean syntax"},
    {kTopicExamples, "Examples"},
};

QPushButton* ToolButton(const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent, Qt::Window), folder_(HelpFolder()) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Quillfind help"));
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    pages_ = new QListWidget;
    pages_->setObjectName(QStringLiteral("helpPages"));
    for (const PageEntry& page : kPages) pages_->addItem(QString::fromLatin1(page.title));
    pages_->setMaximumWidth(pages_->sizeHintForColumn(0) + 24);

    back_ = ToolButton(QStringLiteral("< Back"), QStringLiteral("back"));
    forward_ = ToolButton(QStringLiteral("Forward >"), QStringLiteral("forward"));
    auto* close = ToolButton(QStringLiteral("CLOSE"), QStringLiteral("close"));
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SourceChanged);
    connect(pages_, &QListWidget::currentRowChanged, this, &HelpWindow::PageChosen);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* splitter = new QSplitter;
    splitter->addWidget(pages_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({pages_->maximumWidth(), 560});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(760, 560);
}

bool HelpWindow::ShowUrl(const QUrl& url) {
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isReadable()) return false;
    browser_->setSource(url);
    if (browser_->document()->isEmpty()) return false;
    show();
    raise();
    activateWindow();
    return true;
}

bool HelpWindow::ShowTopic(int topic) {
    const QUrl url = HelpUrl(topic, folder_);
    return url.isValid() && !url.isEmpty() && ShowUrl(url);
}

QUrl HelpWindow::Source() const { return browser_->source(); }

void HelpWindow::PageChosen(int row) {
    if (row < 0 || row >= int(std::size(kPages))) return;
    // Another page of the folder the window shows, else of the help folder.
    const QString shown = browser_->source().isLocalFile() ? QFileInfo(browser_->source().toLocalFile()).path()
                                                           : folder_;
    ShowUrl(HelpUrl(kPages[row].topic, shown));
}

// The list follows the page, also when a link or Back changed it.
void HelpWindow::SourceChanged(const QUrl& url) {
    const QString page = QFileInfo(url.path()).fileName();
    const QSignalBlocker block(pages_);
    for (int row = 0; row < int(std::size(kPages)); ++row)
        if (HelpPageName(kPages[row].topic) == page) pages_->setCurrentRow(row);
}

}  // namespace qf::shell
