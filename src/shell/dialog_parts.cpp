#include "shell/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

namespace qf::shell {

QPushButton* NamedButton(const QString& caption, const QString& name) {
    return Named(new QPushButton(caption), name);
}

QListWidget* SelectableList(const QString& name) {
    auto* list = Named(new QListWidget, name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

QDialogButtonBox* OkCancelButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox;
    Named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "ok");
    Named(buttons->addButton(QStringLiteral("CANCEL"), QDialogButtonBox::RejectRole), "cancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace qf::shell
