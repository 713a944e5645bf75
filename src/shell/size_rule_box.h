#pragma once
// The "Size" group of the date and time dialog: "Selected", the comparison,
// the unit and one or (for "Between") two values.

#include <QGroupBox>

#include "engine/date_dialog.h"
#include "platform/user_messages.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qf::shell {

class SizeRuleBox : public QGroupBox {
    Q_OBJECT
public:
    explicit SizeRuleBox(UserMessages& messages, QWidget* parent = nullptr);

    void Load(const SizeValues& values);
    SizeValues Values() const;
    // A value above the unit's maximum is reported and set to 1; false then.
    bool CheckValues();

private:
    void ChooseUnit(int unit);
    void CompleteRule();
    void SelectedToggled(bool on);
    bool CheckField(int field);
    void UpdateEnabling();
    int Unit() const;
    QLineEdit& Field(int field) const { return field == 1 ? *from_ : *to_; }

    UserMessages& messages_;
    QCheckBox* selected_ = nullptr;
    QRadioButton* comparisons_[4] = {};  // Larger, Smaller, Equal, Between
    QRadioButton* units_[4] = {};        // bytes, kilobytes, megabytes, gigabytes
    QLineEdit* from_ = nullptr;
    QLabel* and_ = nullptr;
    QLineEdit* to_ = nullptr;
    QButtonGroup* comparisonChoice_ = nullptr;
    QButtonGroup* unitChoice_ = nullptr;
};

}  // namespace qf::shell
