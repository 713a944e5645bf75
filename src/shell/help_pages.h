#pragma once
// The help commands: HTML pages opened in the browser, topic numbers as anchors.

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

// The folder holding the pages: installed beside the program, else the
// source tree's docs/help above the build folder.
QString HelpFolder();

// The page and anchor of a topic; empty when the pages are not found.
QUrl HelpUrl(int topic);

// Opens a topic; on failure shows the help message with the given number
// ("Severe Error!    Msg no: 0015." and so on). False on failure.
bool OpenHelp(int topic, int messageNumber, UserMessages& messages);

// The product's pages on the web.
QUrl HomePageUrl();
QUrl SupportPageUrl();

}  // namespace qf::shell
