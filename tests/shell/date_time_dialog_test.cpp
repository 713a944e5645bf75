// The date and time dialog driven through its controls.

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "shell/date_time_dialog.h"
#include "shell/dialog_test_support.h"

using namespace qf::shell;

namespace qftest {
namespace {

// The date and time of day a picker shows, as stored.
std::string Shown(const qf::SYSTEMTIME& t) {
    return QDateTime(QDate(t.wYear, t.wMonth, t.wDay), QTime(t.wHour, t.wMinute, t.wSecond))
        .toString(Qt::ISODate)
        .toStdString();
}

class DateTimeDialogTest : public DialogTest<DateTimeDialog> {
protected:
    void Check(const QString& name) { Child<QCheckBox>(name)->setChecked(true); }
    void SetDates(const QString& group, const QDateTime& from, const QDateTime& to) {
        Child<QDateTimeEdit>(group + "From")->setDateTime(from);
        Child<QDateTimeEdit>(group + "To")->setDateTime(to);
    }
    // Types into a field as the user would; leaving a number field ends its
    // editing (Return would press OK as well).
    void Type(QWidget* field, const QString& text) {
        auto* spin = qobject_cast<QAbstractSpinBox*>(field);
        auto* edit = qobject_cast<QLineEdit*>(field);
        if (spin) spin->selectAll();
        if (edit) edit->selectAll();
        QTest::keyClicks(field, text);
        if (spin) emit spin->editingFinished();
        ASSERT_TRUE(dialog->isVisible());
    }
};

TEST_F(DateTimeDialogTest, OkRefusesZeroSizesAndReversedRangesInOrder) {
    Open();
    before = options;
    const QDateTime early(QDate(2024, 1, 1), QTime(8, 0));
    const QDateTime late(QDate(2024, 6, 1), QTime(8, 0));
    Check("sizeSelected");
    Press("sizeBetween");
    Check("creationSelected");
    Press("creationBetween");
    SetDates("creation", late, early);
    Check("modificationSelected");
    Press("modificationBetween");
    SetDates("modification", late, early);
    Check("accessSelected");
    Press("accessBetween");
    SetDates("access", late, early);

    ExpectRefused("Warning !    Msg no: 0136.",
                  " Value must be greater than 0 in the Size field!!!\n\n"
                  "Action : You must correct the value in the Size field.");
    Type(Child<QLineEdit>("sizeFrom"), "5");
    ExpectRefused("Warning !    Msg no: 0137.",
                  " Value must be greater than 0 in the TO Size field!!!\n\n"
                  "Action : You must correct the value in the TO Size field.");
    Type(Child<QLineEdit>("sizeTo"), "9");
    ExpectRefused("Warning !    Msg no: 0096.",
                  "First creation date and time must be less than or equal to the second one !!!");
    SetDates("creation", early, late);
    ExpectRefused("Warning !    Msg no: 0097.",
                  "First last modified date and time must be less than or equal to the second one !!!");
    SetDates("modification", early, early);  // equal ends are allowed
    ExpectRefused("Warning !    Msg no: 0098.",
                  "The first last access date and time must be less than or equal to the second one !!!");
    Child<QRadioButton>("accessPrevious")->setChecked(true);  // a reversed range no longer matters
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(Shown(options.Date(qf::Opt::CRFROMDATE)), "2024-01-01T08:00:00");
    EXPECT_EQ(Shown(options.Date(qf::Opt::CREATODATE)), "2024-06-01T08:00:00");
    EXPECT_EQ(Shown(options.Date(qf::Opt::WRITTODATE)), "2024-01-01T08:00:00");
    EXPECT_EQ(options.Int(qf::Opt::ACCPREVIOS), 1);
    EXPECT_EQ(options.Size(qf::Opt::SIZEFROMTW), 5);
    EXPECT_EQ(options.Size(qf::Opt::SIZETOWWWW), 9);
}

TEST_F(DateTimeDialogTest, AcceptedRulesReadBackAndReopenUnchanged) {
    Open();
    Check("modificationSelected");
    Press("modificationExclude");
    Child<QComboBox>("modificationUnit")->setCurrentIndex(3);  // Weeks
    Child<QSpinBox>("modificationNumber")->setValue(2);
    Check("sizeSelected");
    Press("sizeKilobytes");
    Type(Child<QLineEdit>("sizeFrom"), "64");
    Check("restoreTimes");
    ASSERT_TRUE(PressOk());
    EXPECT_EQ(options.Int(qf::Opt::WRTCHKTIME), 1);
    EXPECT_EQ(options.Int(qf::Opt::WRIEXCRADO), 1);
    EXPECT_EQ(options.Int(qf::Opt::WRIINCRADO), 0);
    EXPECT_EQ(options.Int(qf::Opt::ERTPREVIOS), 1);
    EXPECT_EQ(options.Int(qf::Opt::WRTIMENUMB), 2);
    EXPECT_EQ(options.Int(qf::Opt::WRTAGETYPE), 3);
    EXPECT_EQ(options.Int(qf::Opt::CREACKTIME), 0);
    EXPECT_EQ(options.Int(qf::Opt::CSIZECHECK), 1);
    EXPECT_EQ(options.Int(qf::Opt::SIZELARGER), 1);  // a rule switched on compares by "Larger than"
    EXPECT_EQ(options.Int(qf::Opt::SIZENKBYTS), 1);
    EXPECT_EQ(options.Size(qf::Opt::SIZEFROMTW), 64);
    EXPECT_EQ(options.Int(qf::Opt::RESTORETIM), 1);

    // Reopened and confirmed at once, nothing changes.
    before = options;
    Open();
    EXPECT_TRUE(Child<QRadioButton>("modificationExclude")->isChecked());
    EXPECT_EQ(Child<QLineEdit>("sizeFrom")->text(), QStringLiteral("64"));
    ASSERT_TRUE(PressOk());
    EXPECT_TRUE(options == before);

    Open();
    Child<QCheckBox>("restoreTimes")->setChecked(false);
    Press("cancel");
    EXPECT_TRUE(options == before);
}

TEST_F(DateTimeDialogTest, TheUnitBoundsTheNumberOfPreviousUnits) {
    Open();
    Check("creationSelected");
    auto* number = Child<QSpinBox>("creationNumber");
    auto* unit = Child<QComboBox>("creationUnit");
    EXPECT_TRUE(number->isEnabled());  // a selected rule starts as "During prev."
    Type(number, "200");
    EXPECT_EQ(messages.Count(), 0u);  // 240 minutes is the limit
    unit->setCurrentIndex(2);        // Days
    EXPECT_EQ(number->value(), 31);
    number->stepBy(5);
    EXPECT_EQ(number->value(), 31);

    Type(number, "40");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0118.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 31.");
    EXPECT_EQ(number->value(), 1);

    // Each group reports with its own number, also when OK comes first.
    Check("accessSelected");
    Child<QComboBox>("accessUnit")->setCurrentIndex(5);  // Years
    Child<QSpinBox>("accessNumber")->setValue(11);
    EXPECT_FALSE(PressOk());
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0120.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 10.");
    EXPECT_EQ(Child<QSpinBox>("accessNumber")->value(), 1);
}

TEST_F(DateTimeDialogTest, SizeUnitsLimitTheValuesAndBetweenShowsTheSecondOne) {
    Open();
    auto* from = Child<QLineEdit>("sizeFrom");
    auto* to = Child<QLineEdit>("sizeTo");
    EXPECT_FALSE(from->isEnabled());
    EXPECT_TRUE(to->isHidden());
    Check("sizeSelected");
    EXPECT_TRUE(Child<QRadioButton>("sizeBytes")->isChecked());
    Type(from, "2147483648");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0123.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 2147483647");
    EXPECT_EQ(from->text(), QStringLiteral("1"));

    Press("sizeGigabytes");
    EXPECT_EQ(from->text(), QStringLiteral("0"));
    EXPECT_EQ(from->maxLength(), 1);
    Press("sizeBetween");
    EXPECT_FALSE(to->isHidden());
    EXPECT_TRUE(to->isEnabled());
    Type(to, "3");
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0124.");
    EXPECT_EQ(to->text(), QStringLiteral("1"));

    Type(from, "2");
    Child<QCheckBox>("sizeSelected")->setChecked(false);
    EXPECT_EQ(from->text(), QStringLiteral("0"));
    EXPECT_EQ(to->text(), QStringLiteral("0"));
    EXPECT_FALSE(Child<QRadioButton>("sizeLarger")->isEnabled());
}

TEST_F(DateTimeDialogTest, ARangeChoiceEnablesOnlyItsOwnFields) {
    Open();
    auto* from = Child<QDateTimeEdit>("accessFrom");
    auto* number = Child<QSpinBox>("accessNumber");
    EXPECT_FALSE(Child<QRadioButton>("accessInclude")->isEnabled());
    EXPECT_FALSE(number->isEnabled());
    Check("accessSelected");
    EXPECT_TRUE(Child<QRadioButton>("accessInclude")->isChecked());
    EXPECT_TRUE(number->isEnabled());
    EXPECT_FALSE(from->isEnabled());
    Press("accessBetween");
    EXPECT_TRUE(from->isEnabled());
    EXPECT_FALSE(number->isEnabled());
    EXPECT_FALSE(Child<QComboBox>("accessUnit")->isEnabled());
}

}  // namespace
}  // namespace qftest
