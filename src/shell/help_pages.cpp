#include "shell/help_pages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace qf::shell {
namespace {

bool HoldsPages(const QString& folder) { return !folder.isEmpty() && QFileInfo::exists(folder + "/index.html"); }

QString BesideProgram() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/doc/quillfind/help");
}

}  // namespace

QString HelpFolder() {
    if (HoldsPages(BesideProgram())) return BesideProgram();
#ifdef QUILLFIND_SOURCE_HELP_DIR
    if (HoldsPages(QStringLiteral(QUILLFIND_SOURCE_HELP_DIR))) return QStringLiteral(QUILLFIND_SOURCE_HELP_DIR);
#endif
    return {};
}

QString InstalledHelpFolder() {
    if (HoldsPages(BesideProgram())) return BesideProgram();
#ifdef QUILLFIND_INSTALL_HELP_DIR
    if (HoldsPages(QStringLiteral(QUILLFIND_INSTALL_HELP_DIR))) return QStringLiteral(QUILLFIND_INSTALL_HELP_DIR);
#endif
    return {};
}

QString HelpPageName(int topic) {
    switch (topic) {
        case kTopicQuickStart: return QStringLiteral("quick-start.html");
        case kTopicExactPhrase: return QStringLiteral("exact-phrases.html");
        case kTopicBoolean: return QStringLiteral("boolean-search.html");
        case kTopicBooleanSyntax: return QStringLiteral("boolean-syntax.html");
        case kTopicExamples: return QStringLiteral("examples.html");
        default: return QStringLiteral("index.html");
    }
}

QString HelpAnchor(int topic) { return topic == kTopicContents ? QString() : QStringLiteral("topic%1").arg(topic); }

QUrl HelpUrl(int topic, const QString& folder) {
    const QString page = folder + "/" + HelpPageName(topic);
    if (folder.isEmpty() || !QFileInfo(page).isReadable()) return {};
    QUrl url = QUrl::fromLocalFile(page);
    if (!HelpAnchor(topic).isEmpty()) url.setFragment(HelpAnchor(topic));
    return url;
}

Message HelpFailedMessage(int messageNumber) {
    char caption[64];
    std::snprintf(caption, sizeof caption, "Severe Error!    Msg no: %04d.", messageNumber);
    return ErrorMessage(caption, "Unable to activate help !\n\nMaybe help file is damaged. \n\nImmediately e-mail us, please!");
}

QUrl HomePageUrl() { return HelpUrl(kTopicContents, InstalledHelpFolder()); }
QUrl SupportPageUrl() { return HelpUrl(kTopicContents, InstalledHelpFolder()); }

}  // namespace qf::shell
