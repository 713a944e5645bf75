#pragma once
// About box 131: the program's name and version and the links to its home
// and support pages.

#include <QDialog>
#include <QUrl>
#include <functional>

namespace qf::shell {

class HyperlinkLabel;

// Opens an address in the browser.
using UrlOpener = std::function<void(const QUrl&)>;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // opener defaults to the desktop's browser.
    explicit AboutDialog(QWidget* parent = nullptr, UrlOpener opener = {});

private:
    HyperlinkLabel* AddLink(const QUrl& url, const QString& name);

    UrlOpener opener_;
};

}  // namespace qf::shell
