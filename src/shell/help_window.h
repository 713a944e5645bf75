#pragma once
// The help window: the help pages in a text browser with Back and Forward
// and the list of pages, so that help needs no outside browser.

#include <QDialog>
#include <QUrl>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace qf::shell {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a topic's page at its anchor and raises the window; false when
    // the page is not there (the caller shows the help message).
    bool ShowTopic(int topic);
    // Shows a page of the help by its address; false when it cannot be read.
    bool ShowUrl(const QUrl& url);

    // The folder whose pages the topics open (the help folder unless set).
    void SetFolder(const QString& folder) { folder_ = folder; }
    QUrl Source() const;
    QTextBrowser& Browser() { return *browser_; }

private:
    void PageChosen(int row);
    void SourceChanged(const QUrl& url);

    QTextBrowser* browser_ = nullptr;
    QListWidget* pages_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QString folder_;
};

}  // namespace qf::shell
