#pragma once
// The help pages: HTML files installed with the program, topic numbers as
// anchors. They are shown in the program's own help window.

#include <QString>
#include <QUrl>

#include "platform/user_messages.h"

namespace qf::shell {

// Help topics referenced by number.
enum HelpTopic : int {
    kTopicContents = 0,
    kTopicQuickStart = 4,
    kTopicExactPhrase = 26,
    kTopicBoolean = 28,
    kTopicBooleanSyntax = 32,
    kTopicExamples = 33,
};

// The folder holding the pages: installed beside the program
// (<bin>/../share/doc/quillfind/help), else the source tree's docs/help.
QString HelpFolder();
// Only the installed pages, where the program was installed or will be; empty
// when they are not there.
QString InstalledHelpFolder();

// The page file of a topic ("quick-start.html") and its anchor ("topic4").
QString HelpPageName(int topic);
QString HelpAnchor(int topic);

// The page and anchor of a topic in `folder`; empty when the page is missing.
QUrl HelpUrl(int topic, const QString& folder = HelpFolder());

// "Unable to activate help !..." with "Severe Error!    Msg no: 0015." and so on.
Message HelpFailedMessage(int messageNumber);

// The product's home and support pages: the installed help; empty when it
// is not installed.
QUrl HomePageUrl();
QUrl SupportPageUrl();

}  // namespace qf::shell
