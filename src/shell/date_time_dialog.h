#pragma once
// Dialog 126 "Date and time settings": the creation, last modification and
// last access rules, "Restore last accessed date" and the size rule.

#include <QDialog>

#include "platform/user_messages.h"
#include "settings/options.h"

class QCheckBox;

namespace qf::shell {

class SizeRuleBox;
class TimeRuleBox;

class DateTimeDialog : public QDialog {
    Q_OBJECT
public:
    DateTimeDialog(Options& options, UserMessages& messages, QWidget* parent = nullptr);

    void LoadFromOptions();

    // OK: the checks run in order; the options change only when all pass.
    void accept() override;

private:
    Options& options_;
    UserMessages& messages_;
    TimeRuleBox* creation_ = nullptr;
    TimeRuleBox* modification_ = nullptr;
    TimeRuleBox* access_ = nullptr;
    QCheckBox* restoreTimes_ = nullptr;
    SizeRuleBox* size_ = nullptr;
};

}  // namespace qf::shell
