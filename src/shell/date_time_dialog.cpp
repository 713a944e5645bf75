#include "shell/date_time_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/date_dialog.h"
#include "shell/dialog_parts.h"
#include "shell/size_rule_box.h"
#include "shell/time_rule_box.h"

namespace qf::shell {

DateTimeDialog::DateTimeDialog(Options& options, UserMessages& messages, QWidget* parent)
    : QDialog(parent), options_(options), messages_(messages) {
    setWindowTitle(QStringLiteral("Date and time settings"));
    setObjectName(QStringLiteral("dateTimeDialog"));
    setModal(true);
    creation_ = new TimeRuleBox(TimeGroup::Creation, QStringLiteral("Creation date and time"),
                                QStringLiteral("creation"), messages_);
    modification_ = new TimeRuleBox(TimeGroup::Modification, QStringLiteral("Last modified date and time"),
                                    QStringLiteral("modification"), messages_);
    access_ = new TimeRuleBox(TimeGroup::Access, QStringLiteral("Last accessed date and time"),
                              QStringLiteral("access"), messages_);
    restoreTimes_ = new QCheckBox(QStringLiteral("Restore last accessed date"));
    restoreTimes_->setObjectName(QStringLiteral("restoreTimes"));
    size_ = new SizeRuleBox(messages_);

    auto* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{creation_, modification_, access_, restoreTimes_, size_})
        layout->addWidget(w);
    layout->addWidget(buttons);
    LoadFromOptions();
}

void DateTimeDialog::LoadFromOptions() {
    const DateDialogValues v = DateDialogFromOptions(options_);
    creation_->Load(v.creation);
    modification_->Load(v.modification);
    access_->Load(v.access);
    restoreTimes_->setChecked(v.restoreTimes);
    size_->Load(v.size);
}

// A number still above its limit (typed, then OK without leaving the field)
// is reported and corrected first. The checks run on a copy, so that a
// refused OK followed by CANCEL leaves the options as they were.
void DateTimeDialog::accept() {
    for (TimeRuleBox* group : {creation_, modification_, access_})
        if (!group->CheckNumber()) return;
    if (!size_->CheckValues()) return;
    DateDialogValues values;
    values.creation = creation_->Values();
    values.modification = modification_->Values();
    values.access = access_->Values();
    values.restoreTimes = restoreTimes_->isChecked();
    values.size = size_->Values();
    Options trial = options_;
    if (!ApplyDateDialog(values, trial, messages_)) return;
    options_ = std::move(trial);
    QDialog::accept();
}

}  // namespace qf::shell
