#include "shell/main_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "shell/control_ids.h"

namespace qf::shell {
namespace {

struct MenuItem {
    int id;
    const char* caption;
};

void AddItems(QMenu& menu, std::initializer_list<MenuItem> items, MenuActions& actions) {
    for (const MenuItem& item : items) {
        QAction* action = menu.addAction(QString::fromLatin1(item.caption));
        action->setObjectName(IdName(item.id));
        actions.insert(item.id, action);
    }
}

}  // namespace

MenuActions BuildMainMenu(QMenuBar& bar) {
    MenuActions actions;
    QMenu* logic = bar.addMenu(QStringLiteral("Search Logic    "));
    AddItems(*logic, {{kCmdOpenSearchLogic, "Open Search Logic"}, {kCmdSaveSearchLogic, "Save Search Logic as..."}},
             actions);
    logic->addSeparator();
    AddItems(*logic, {{kCmdQuit, "&Quit"}}, actions);
    actions.value(kCmdQuit)->setShortcut(QKeySequence(QStringLiteral("Alt+F4")));

    AddItems(*bar.addMenu(QStringLiteral("Settings   ")),
             {{kCmdOpenSettings, "Open previously saved settings"}, {kCmdSaveSettings, "Save current settings"}}, actions);
    AddItems(*bar.addMenu(QStringLiteral("Search terms   ")),
             {{kCmdOpenTerms, "Open previously saved search terms"}, {kCmdSaveTerms, "Save current search terms"}},
             actions);
    AddItems(*bar.addMenu(QStringLiteral("Log file  ")),
             {{kCmdUnzipLog, "Show Unzip log file "},
              {kCmdWordLog, "Show Word log file "},
              {kCmdPdfLog, "Show Pdf log file "},
              {kCmdCopyLog, "Show Copy log file "}},
             actions);
    AddItems(*bar.addMenu(QStringLiteral("Tools  ")),
             {{kCmdSmartCopy, "Copy result files to the selected folder (Smart copy)"}, {kCmdPreferences, "Preferences."}},
             actions);
    QMenu* help = bar.addMenu(QStringLiteral("&Help     "));
    AddItems(*help,
             {{kCmdHelpContents, "Help Contents"},
              {kCmdQuickStart, "&Quick Start Guide"},
              {kCmdExactPhrase, "Exact Phrase Search"},
              {kCmdBooleanHelp, "Boolean and Micro Boolean Search"}},
             actions);
    help->addSeparator();
    AddItems(*help, {{kCmdWebPage, "Visit Quillfind on the Web"}, {kCmdSupport, "Problems ? Contact Tech Support "}},
             actions);
    help->addSeparator();
    AddItems(*help, {{kCmdAbout, "About..."}}, actions);
    return actions;
}

}  // namespace qf::shell
