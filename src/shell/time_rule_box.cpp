#include "shell/time_rule_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "shell/dialog_parts.h"

namespace qf::shell {
namespace {

// Four digits are enough for every unit's largest N and let a wrong one be typed.
constexpr int kMaxTypedNumber = 9999;
constexpr int kUnitCount = 6;
const char* const kUnits[kUnitCount] = {"Minutes", "Hours", "Days", "Weeks", "Months", "Years"};

QDateTime ToDateTime(const SYSTEMTIME& t) {
    const QDate date(t.wYear, t.wMonth, t.wDay);
    if (!date.isValid()) return QDateTime::currentDateTime();
    return QDateTime(date, QTime(t.wHour, t.wMinute, t.wSecond));
}

SYSTEMTIME ToSystemTime(const QDateTime& dt) {
    SYSTEMTIME t;
    t.wYear = uint16_t(dt.date().year());
    t.wMonth = uint16_t(dt.date().month());
    t.wDayOfWeek = uint16_t(dt.date().dayOfWeek() % 7);
    t.wDay = uint16_t(dt.date().day());
    t.wHour = uint16_t(dt.time().hour());
    t.wMinute = uint16_t(dt.time().minute());
    t.wSecond = uint16_t(dt.time().second());
    return t;
}

QDateTimeEdit* DatePicker(const QString& name) {
    auto* edit = new QDateTimeEdit;
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy  HH:mm:ss"));
    edit->setCalendarPopup(true);
    edit->setMinimumDate(QDate(1601, 1, 1));
    edit->setMinimumWidth(190);
    return edit;
}

}  // namespace

PeriodSpinBox::PeriodSpinBox(QWidget* parent) : QSpinBox(parent) { setRange(1, kMaxTypedNumber); }

void PeriodSpinBox::stepBy(int steps) { setValue(std::clamp(value() + steps, 1, std::max(1, stepLimit_))); }

QAbstractSpinBox::StepEnabled PeriodSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() > 1) enabled |= StepDownEnabled;
    if (value() < stepLimit_) enabled |= StepUpEnabled;
    return enabled;
}

TimeRuleBox::TimeRuleBox(TimeGroup group, const QString& title, const QString& prefix, UserMessages& messages,
                         QWidget* parent)
    : QGroupBox(title, parent), group_(group), messages_(messages) {
    setObjectName(prefix + QStringLiteral("Group"));
    selected_ = Named(new QCheckBox(QStringLiteral("Selected")), prefix + "Selected");
    include_ = Named(new QRadioButton(QStringLiteral("Include")), prefix + "Include");
    exclude_ = Named(new QRadioButton(QStringLiteral("Exclude")), prefix + "Exclude");
    between_ = Named(new QRadioButton(QStringLiteral("Between")), prefix + "Between");
    previous_ = Named(new QRadioButton(QStringLiteral("During prev.")), prefix + "Previous");
    from_ = DatePicker(prefix + "From");
    to_ = DatePicker(prefix + "To");
    number_ = Named(new PeriodSpinBox, prefix + "Number");
    unit_ = Named(new QComboBox, prefix + "Unit");
    for (const char* unit : kUnits) unit_->addItem(QString::fromLatin1(unit));

    // Include/Exclude and Between/During are two separate choices.
    for (auto [a, b] : {std::pair{include_, exclude_}, std::pair{between_, previous_}}) {
        auto* choice = new QButtonGroup(this);
        choice->addButton(a);
        choice->addButton(b);
        choices_.push_back(choice);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(selected_, 0, 0);
    grid->addWidget(include_, 0, 1);
    grid->addWidget(exclude_, 0, 2);
    grid->addWidget(between_, 1, 0);
    grid->addWidget(from_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("and")), 1, 2);
    grid->addWidget(to_, 1, 3);
    grid->addWidget(previous_, 2, 0);
    grid->addWidget(number_, 2, 1);
    grid->addWidget(unit_, 2, 2);

    connect(selected_, &QCheckBox::toggled, this, &TimeRuleBox::UpdateEnabling);
    connect(between_, &QRadioButton::toggled, this, &TimeRuleBox::UpdateEnabling);
    connect(previous_, &QRadioButton::toggled, this, &TimeRuleBox::UpdateEnabling);
    connect(unit_, &QComboBox::currentIndexChanged, this, &TimeRuleBox::UnitChanged);
    connect(number_, &QSpinBox::editingFinished, this, &TimeRuleBox::CheckNumber);
}

void TimeRuleBox::Load(const TimeGroupValues& v) {
    // Options may hold neither radio of a pair, which an exclusive group
    // cannot show once one of them was checked.
    for (QButtonGroup* choice : choices_) choice->setExclusive(false);
    include_->setChecked(v.include);
    exclude_->setChecked(v.exclude && !v.include);
    between_->setChecked(v.between);
    previous_->setChecked(v.previous && !v.between);
    for (QButtonGroup* choice : choices_) choice->setExclusive(true);
    selected_->setChecked(v.selected);
    from_->setDateTime(ToDateTime(v.from));
    to_->setDateTime(ToDateTime(v.to));
    const int unit = v.unit >= 0 && v.unit < kUnitCount ? v.unit : 0;
    unit_->setCurrentIndex(unit);
    number_->setValue(int(std::min<uint32_t>(v.number, kMaxTypedNumber)));
    UnitChanged(unit);
    UpdateEnabling();
}

TimeGroupValues TimeRuleBox::Values() const {
    TimeGroupValues v;
    v.selected = selected_->isChecked();
    v.include = include_->isChecked();
    v.exclude = exclude_->isChecked();
    v.between = between_->isChecked();
    v.previous = previous_->isChecked();
    v.from = ToSystemTime(from_->dateTime());
    v.to = ToSystemTime(to_->dateTime());
    v.number = uint32_t(number_->value());
    v.unit = unit_->currentIndex();
    return v;
}

bool TimeRuleBox::CheckNumber() {
    const uint32_t typed = uint32_t(number_->value());
    const uint32_t checked = CheckPeriodNumber(group_, unit_->currentIndex(), typed, messages_);
    if (checked == typed) return true;
    number_->setValue(int(checked));
    return false;
}

// The arrows reach 1 ... the unit's largest N; a larger N comes down to it.
void TimeRuleBox::UnitChanged(int unit) {
    const int max = int(MaxPeriodNumber(unit));
    number_->SetStepLimit(max);
    if (number_->value() > max) number_->setValue(max);
}

// A selected rule without a range choice is applied as "During prev.", so
// the dialog shows it that way.
void TimeRuleBox::UpdateEnabling() {
    const bool on = selected_->isChecked();
    if (on && !between_->isChecked() && !previous_->isChecked()) previous_->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{include_, exclude_, between_, previous_}) w->setEnabled(on);
    from_->setEnabled(on && between_->isChecked());
    to_->setEnabled(on && between_->isChecked());
    number_->setEnabled(on && previous_->isChecked());
    unit_->setEnabled(on && previous_->isChecked());
}

}  // namespace qf::shell
