#include "shell/about_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/help_pages.h"
#include "shell/hyperlink_label.h"

namespace qf::shell {
namespace {

QIcon ProgramIcon(const QWidget& w) {
    const QIcon icon = QApplication::windowIcon();
    return icon.isNull() ? w.style()->standardIcon(QStyle::SP_FileDialogContentsView) : icon;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent, UrlOpener opener)
    : QDialog(parent), opener_(opener ? std::move(opener) : [](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Quillfind"));
    setModal(true);

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setPixmap(ProgramIcon(*this).pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("Quillfind   Version 2.00"));
    name->setObjectName(QStringLiteral("productName"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(name, 1);

    auto* links = new QFormLayout;
    links->addRow(QStringLiteral("Homepage : "), AddLink(HomePageUrl(), QStringLiteral("homePageLink")));
    links->addRow(QStringLiteral("Support : "), AddLink(SupportPageUrl(), QStringLiteral("supportLink")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(links);
    layout->addWidget(buttons);
}

// A page that is not installed shows as plain text: a link to nowhere would
// only open an error in the browser.
HyperlinkLabel* AboutDialog::AddLink(const QUrl& url, const QString& name) {
    const bool usable = url.isValid() && !url.isEmpty();
    auto* link = new HyperlinkLabel(usable ? url.toDisplayString() : QStringLiteral("(pages not installed)"));
    link->setObjectName(name);
    link->setEnabled(usable);
    if (usable) connect(link, &HyperlinkLabel::clicked, this, [this, url] { opener_(url); });
    return link;
}

}  // namespace qf::shell
