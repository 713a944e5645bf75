#pragma once
// One time group of the date and time dialog (creation, last modification or
// last access): "Selected", Include/Exclude, Between with two date-times or
// "During prev." N units.

#include <QGroupBox>
#include <QSpinBox>
#include <vector>

#include "engine/date_dialog.h"
#include "platform/user_messages.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QRadioButton;

namespace qf::shell {

// The N field: typing accepts more than the unit allows, so that the check
// can warn about it, while the arrows stop at the unit's largest N.
class PeriodSpinBox : public QSpinBox {
public:
    explicit PeriodSpinBox(QWidget* parent = nullptr);
    void SetStepLimit(int limit) { stepLimit_ = limit; }
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int stepLimit_ = 1;
};

class TimeRuleBox : public QGroupBox {
    Q_OBJECT
public:
    // Child object names start with `prefix` ("creation" gives "creationSelected", ...).
    TimeRuleBox(TimeGroup group, const QString& title, const QString& prefix, UserMessages& messages,
                QWidget* parent = nullptr);

    void Load(const TimeGroupValues& values);
    TimeGroupValues Values() const;
    // An N above the unit's largest is reported and set to 1; false then.
    bool CheckNumber();

private:
    void UnitChanged(int unit);
    void UpdateEnabling();

    TimeGroup group_;
    UserMessages& messages_;
    QCheckBox* selected_ = nullptr;
    QRadioButton* include_ = nullptr;
    QRadioButton* exclude_ = nullptr;
    QRadioButton* between_ = nullptr;
    QRadioButton* previous_ = nullptr;
    QDateTimeEdit* from_ = nullptr;
    QDateTimeEdit* to_ = nullptr;
    PeriodSpinBox* number_ = nullptr;
    QComboBox* unit_ = nullptr;
    std::vector<QButtonGroup*> choices_;
};

}  // namespace qf::shell
