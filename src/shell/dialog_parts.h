#pragma once
// The small pieces every dialog is built from: widgets named for the tests
// and tool tips, push buttons, list boxes that take several items at once,
// and the OK/CANCEL row.

#include <QString>

class QDialog;
class QDialogButtonBox;
class QListWidget;
class QPushButton;

namespace qf::shell {

template <typename T>
T* Named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <typename T>
T* Named(T* widget, const char* name) {
    return Named(widget, QString::fromLatin1(name));
}

QPushButton* NamedButton(const QString& caption, const QString& name);

// Extended selection: a click, shift-click and ctrl-click choose the items.
QListWidget* SelectableList(const QString& name);

// "OK" (named ok) accepts and "CANCEL" (named cancel) rejects the dialog.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

}  // namespace qf::shell
