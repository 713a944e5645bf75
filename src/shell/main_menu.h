#pragma once
// The main window's menu: Search Logic, Settings, Search terms, Log file,
// Tools and Help, each command named by its number ("id1012").

#include <QHash>

class QAction;
class QMenuBar;

namespace qf::shell {

using MenuActions = QHash<int, QAction*>;

MenuActions BuildMainMenu(QMenuBar& bar);

}  // namespace qf::shell
