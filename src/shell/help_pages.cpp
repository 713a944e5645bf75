#include "shell/help_pages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace qf::shell {
namespace {

QString PageOf(int topic) {
    switch (topic) {
        case kTopicQuickStart: return QStringLiteral("quick-start.html");
        case kTopicExactPhrase: return QStringLiteral("exact-phrases.html");
        case kTopicBoolean: return QStringLiteral("boolean-search.html");
        case kTopicBooleanSyntax: return QStringLiteral("boolean-syntax.html");
        case kTopicExamples: return QStringLiteral("examples.html");
        default: return QStringLiteral("index.html");
    }
}

std::string HelpCaption(int messageNumber) {
    char caption[64];
    std::snprintf(caption, sizeof caption, "Severe Error!    Msg no: %04d.", messageNumber);
    return caption;
}

}  // namespace

QString HelpFolder() {
    const QString app = QCoreApplication::applicationDirPath();
    const QStringList candidates{app + "/../share/doc/quillfind/help", app + "/../docs/help", app + "/../../docs/help",
                                 app + "/../../../docs/help"};
    for (const QString& folder : candidates)
        if (QFileInfo::exists(folder + "/index.html")) return QDir::cleanPath(folder);
    return {};
}

QUrl HelpUrl(int topic) {
    const QString folder = HelpFolder();
    if (folder.isEmpty()) return {};
    QUrl url = QUrl::fromLocalFile(folder + "/" + PageOf(topic));
    if (topic != kTopicContents) url.setFragment(QStringLiteral("topic%1").arg(topic));
    return url;
}

bool OpenHelp(int topic, int messageNumber, UserMessages& messages) {
    const QUrl url = HelpUrl(topic);
    if (url.isValid() && QDesktopServices::openUrl(url)) return true;
    messages.Show(ErrorMessage(HelpCaption(messageNumber),
                               "Unable to activate help !\n\nMaybe help file is damaged. \n\nImmediately e-mail us, please!"));
    return false;
}

// The pages shipped with the program stand in for web pages until the
// project publishes its own.
QUrl HomePageUrl() { return HelpUrl(kTopicContents); }
QUrl SupportPageUrl() { return HelpUrl(kTopicContents); }

}  // namespace qf::shell
