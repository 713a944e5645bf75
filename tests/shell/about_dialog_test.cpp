// The about box and its links.

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "shell/about_dialog.h"
#include "shell/help_pages.h"
#include "shell/hyperlink_label.h"

using namespace qf::shell;

namespace qftest {
namespace {

void SendMouse(QWidget& w, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, w.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

TEST(HyperlinkLabel, IsDarkBlueUnderlinedUnderTheMouseAndClickable) {
    HyperlinkLabel link("somewhere");
    link.resize(100, 20);
    link.show();
    QSignalSpy clicked(&link, &HyperlinkLabel::clicked);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_FALSE(link.IsUnderlined());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), link.mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.IsUnderlined());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    EXPECT_FALSE(link.IsUnderlined());

    QTest::mouseClick(&link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    // A press dragged off the text before release is no click.
    SendMouse(link, QEvent::MouseButtonPress, QPoint(5, 5));
    SendMouse(link, QEvent::MouseButtonRelease, QPoint(500, 5));
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(&link, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 2);
}

TEST(AboutDialog, LinksOpenTheHomeAndSupportPagesAndOkCloses) {
    std::vector<QUrl> opened;
    AboutDialog about(nullptr, [&](const QUrl& url) { opened.push_back(url); });
    about.show();
    EXPECT_TRUE(about.isModal());
    EXPECT_TRUE(about.findChild<QLabel*>("productName")->text().contains("Version 2.00"));

    auto* home = about.findChild<HyperlinkLabel*>("homePageLink");
    auto* support = about.findChild<HyperlinkLabel*>("supportLink");
    ASSERT_TRUE(home && support);
    emit home->clicked();
    emit support->clicked();
    if (HomePageUrl().isValid() && !HomePageUrl().isEmpty()) {
        EXPECT_EQ(opened, (std::vector<QUrl>{HomePageUrl(), SupportPageUrl()}));
    } else {
        // Without installed pages the links stay plain text.
        EXPECT_FALSE(home->isEnabled());
        EXPECT_TRUE(opened.empty());
    }

    about.findChild<QPushButton*>("ok")->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace qftest
