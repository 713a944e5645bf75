#include "shell/size_rule_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace qf::shell {
namespace {

struct UnitInfo {
    const char* text;
    const char* name;
    int digits;
};

const UnitInfo kUnitInfo[4] = {
    {"Bytes                (Max. num.: 2147483647)", "sizeBytes", 10},
    {"Kilobytes           (Max. num.:       2097152)", "sizeKilobytes", 7},
    {"Megabytes        (Max. num.:             2048)", "sizeMegabytes", 4},
    {"Gigabytes         (Max. num.:                   2)", "sizeGigabytes", 1}};

const std::pair<const char*, const char*> kComparisons[4] = {
    {"Larger than", "sizeLarger"}, {"Smaller than", "sizeSmaller"}, {"Equal to", "sizeEqual"}, {"Between", "sizeBetween"}};

// The comparison radios in the order of SizeComparison after None.
int ComparisonIndex(SizeComparison c) { return int(c) - int(SizeComparison::Larger); }

QLineEdit* ValueField(const char* name, QObject* parent) {
    auto* field = new QLineEdit(QStringLiteral("0"));
    field->setObjectName(QString::fromLatin1(name));
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent));
    field->setMaxLength(kUnitInfo[0].digits);
    return field;
}

}  // namespace

SizeRuleBox::SizeRuleBox(UserMessages& messages, QWidget* parent)
    : QGroupBox(QStringLiteral("Size"), parent), messages_(messages) {
    setObjectName(QStringLiteral("sizeGroup"));
    selected_ = new QCheckBox(QStringLiteral("Selected"));
    selected_->setObjectName(QStringLiteral("sizeSelected"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(selected_, 0, 0);
    comparisonChoice_ = new QButtonGroup(this);
    unitChoice_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        comparisons_[i] = new QRadioButton(QString::fromLatin1(kComparisons[i].first));
        comparisons_[i]->setObjectName(QString::fromLatin1(kComparisons[i].second));
        comparisonChoice_->addButton(comparisons_[i]);
        grid->addWidget(comparisons_[i], 1 + i, 0);
        units_[i] = new QRadioButton(QString::fromLatin1(kUnitInfo[i].text));
        units_[i]->setObjectName(QString::fromLatin1(kUnitInfo[i].name));
        unitChoice_->addButton(units_[i]);
        grid->addWidget(units_[i], 1 + i, 1);
        connect(units_[i], &QRadioButton::clicked, this, [this, i] { ChooseUnit(i); });
    }
    from_ = ValueField("sizeFrom", this);
    and_ = new QLabel(QStringLiteral(" and "));
    to_ = ValueField("sizeTo", this);
    auto* values = new QHBoxLayout;
    values->addWidget(from_);
    values->addWidget(and_);
    values->addWidget(to_);
    grid->addLayout(values, 5, 0, 1, 2);

    connect(selected_, &QCheckBox::toggled, this, &SizeRuleBox::SelectedToggled);
    connect(comparisons_[3], &QRadioButton::toggled, this, &SizeRuleBox::UpdateEnabling);
    connect(from_, &QLineEdit::textEdited, this, [this] { CheckField(1); });
    connect(to_, &QLineEdit::textEdited, this, [this] { CheckField(2); });
    UpdateEnabling();
}

void SizeRuleBox::Load(const SizeValues& v) {
    const QSignalBlocker block(selected_);
    selected_->setChecked(v.selected);
    // The options may hold no comparison or no unit at all.
    comparisonChoice_->setExclusive(false);
    unitChoice_->setExclusive(false);
    for (int i = 0; i < 4; ++i) {
        comparisons_[i]->setChecked(v.comparison != SizeComparison::None && i == ComparisonIndex(v.comparison));
        units_[i]->setChecked(i == v.unit);
    }
    comparisonChoice_->setExclusive(true);
    unitChoice_->setExclusive(true);
    if (v.unit >= kBytes && v.unit <= kGigabytes) {
        from_->setMaxLength(kUnitInfo[v.unit].digits);
        to_->setMaxLength(kUnitInfo[v.unit].digits);
    }
    from_->setText(QString::number(v.from));
    to_->setText(QString::number(v.to));
    if (v.selected) CompleteRule();
    UpdateEnabling();
}

SizeValues SizeRuleBox::Values() const {
    SizeValues v;
    v.selected = selected_->isChecked();
    for (int i = 0; i < 4; ++i)
        if (comparisons_[i]->isChecked()) v.comparison = SizeComparison(int(SizeComparison::Larger) + i);
    v.unit = Unit();
    v.from = from_->text().toULongLong();
    v.to = to_->text().toULongLong();
    return v;
}

bool SizeRuleBox::CheckValues() {
    if (!selected_->isChecked()) return true;
    return CheckField(1) && (!comparisons_[3]->isChecked() || CheckField(2));
}

int SizeRuleBox::Unit() const {
    for (int i = 0; i < 4; ++i)
        if (units_[i]->isChecked()) return i;
    return kNoSizeUnit;
}

// A new unit starts both values again from 0, with the unit's digit limit.
void SizeRuleBox::ChooseUnit(int unit) {
    for (QLineEdit* field : {from_, to_}) {
        field->setMaxLength(kUnitInfo[unit].digits);
        field->setText(QStringLiteral("0"));
    }
}

// Without a comparison the rule would drop every file, and without a unit
// every value would count as 0 bytes, so a selected rule gets both.
void SizeRuleBox::CompleteRule() {
    if (Values().comparison == SizeComparison::None) comparisons_[0]->setChecked(true);
    if (Unit() == kNoSizeUnit) {
        units_[kBytes]->setChecked(true);
        ChooseUnit(kBytes);
    }
}

void SizeRuleBox::SelectedToggled(bool on) {
    if (on) {
        CompleteRule();
    } else {
        from_->setText(QStringLiteral("0"));
        to_->setText(QStringLiteral("0"));
    }
    UpdateEnabling();
}

bool SizeRuleBox::CheckField(int field) {
    QLineEdit& edit = Field(field);
    if (Unit() == kNoSizeUnit) return true;
    const uint64_t typed = edit.text().toULongLong();
    const uint64_t checked = CheckSizeValue(field, Unit(), typed, messages_);
    if (checked == typed) return true;
    edit.setText(QString::number(checked));
    return false;
}

// The second value belongs to "Between" only.
void SizeRuleBox::UpdateEnabling() {
    const bool on = selected_->isChecked();
    const bool between = comparisons_[3]->isChecked();
    for (int i = 0; i < 4; ++i) {
        comparisons_[i]->setEnabled(on);
        units_[i]->setEnabled(on);
    }
    from_->setEnabled(on);
    to_->setEnabled(on && between);
    to_->setVisible(between);
    and_->setVisible(between);
}

}  // namespace qf::shell
