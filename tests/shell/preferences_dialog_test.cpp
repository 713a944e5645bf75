// The preferences dialog and the log center's buttons.

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "platform/user_messages.h"
#include "settings/options.h"
#include "shell/log_center_dialog.h"
#include "shell/preferences_dialog.h"
#include "shell/statistics_window.h"

using namespace qf::shell;

namespace qftest {
namespace {

class PreferencesDialogTest : public ::testing::Test {
protected:
    PreferencesDialogTest() : statistics(options) {}

    QCheckBox* Box(PreferencesDialog& dialog, const char* name) {
        auto* box = dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
        EXPECT_NE(box, nullptr) << name;
        return box;
    }

    qf::Options options;
    qf::RecordingMessages messages;
    StatisticsWindow statistics;
};

TEST_F(PreferencesDialogTest, TheTwoShowBoxesAreTheInverseOfTheirOptions) {
    options.SetInt(qf::Opt::SEARCHENDC, 0);
    options.SetInt(qf::Opt::SEARCHENDB, 1);
    options.SetInt(qf::Opt::SUMSHWHIDE, 1);
    options.SetInt(qf::Opt::WARNINGTMP, 0);
    PreferencesDialog dialog(options, statistics, messages, "/home/q");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Preferences."));
    EXPECT_FALSE(Box(dialog, "endMessage")->isChecked());
    EXPECT_TRUE(Box(dialog, "endSound")->isChecked());
    EXPECT_FALSE(Box(dialog, "showSummary")->isChecked());
    EXPECT_TRUE(Box(dialog, "showWarning")->isChecked());
    EXPECT_EQ(Box(dialog, "showSummary")->text(),
              QStringLiteral("Automatically displayed the Summary window when start a search process. "));
}

TEST_F(PreferencesDialogTest, CloseStoresTheBoxesAndTheStatisticsWindowFollows) {
    PreferencesDialog dialog(options, statistics, messages, "/home/q");
    Box(dialog, "endMessage")->setChecked(false);
    Box(dialog, "showSummary")->setChecked(false);
    Box(dialog, "showWarning")->setChecked(false);
    EXPECT_FALSE(Box(dialog, "restoreLast")->isChecked());  // off: nothing is read at start
    Box(dialog, "restoreLast")->setChecked(true);
    dialog.reject();  // the close box keeps everything as it was
    EXPECT_EQ(options.Int(qf::Opt::SEARCHENDC), 1);
    EXPECT_EQ(options.Int(qf::Opt::SUMSHWHIDE), 0);
    EXPECT_EQ(options.Int(qf::Opt::WARNINGTMP), 0);
    EXPECT_EQ(options.Int(qf::Opt::RESTORELST), 0);
    EXPECT_FALSE(statistics.KeepHidden());

    dialog.findChild<QPushButton*>("close")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(options.Int(qf::Opt::SEARCHENDC), 0);
    EXPECT_EQ(options.Int(qf::Opt::SEARCHENDB), 1);
    EXPECT_EQ(options.Int(qf::Opt::SUMSHWHIDE), 1);
    EXPECT_EQ(options.Int(qf::Opt::WARNINGTMP), 1);
    EXPECT_EQ(options.Int(qf::Opt::RESTORELST), 1);
    EXPECT_TRUE(statistics.KeepHidden());

    PreferencesDialog again(options, statistics, messages, "/home/q");
    again.findChild<QCheckBox*>("showSummary")->setChecked(true);
    again.accept();
    EXPECT_EQ(options.Int(qf::Opt::SUMSHWHIDE), 0);
    EXPECT_FALSE(statistics.KeepHidden());
}

TEST_F(PreferencesDialogTest, LimitsShowTheirOptionsAndCloseStoresThem) {
    options.SetInt(qf::Opt::CONVTIMELM, 30);
    PreferencesDialog dialog(options, statistics, messages, "/home/q");
    auto* time = dialog.findChild<QSpinBox*>("convTimeLimit");
    auto* ratio = dialog.findChild<QSpinBox*>("zipRatioLimit");
    auto* budget = dialog.findChild<QSpinBox*>("zipBudget");
    ASSERT_TRUE(time && ratio && budget);
    EXPECT_EQ(time->value(), 30);
    EXPECT_EQ(ratio->value(), 100);
    EXPECT_EQ(budget->value(), 4096);
    ratio->setValue(0);
    EXPECT_EQ(ratio->text(), QStringLiteral("no limit"));
    budget->setValue(512);
    dialog.accept();
    EXPECT_EQ(options.Int(qf::Opt::CONVTIMELM), 30);
    EXPECT_EQ(options.Int(qf::Opt::ZIPRATIOLM), 0);
    EXPECT_EQ(options.Int(qf::Opt::ZIPBUDGETM), 512);
}

TEST_F(PreferencesDialogTest, ShowNamesTheDialogTextsElseTheWorkingFolders) {
    options.SetText(qf::Opt::PDFWORKDIR, "/work/pdf");
    options.SetText(qf::Opt::ARCDFLEDIT, "/chosen/zip");
    options.SetText(qf::Opt::WRDDFLEDIT, "   ");
    PreferencesDialog dialog(options, statistics, messages, "/home/q");
    dialog.findChild<QPushButton*>("showTemporary")->click();
    ASSERT_EQ(messages.Count(), 1u);
    const qf::Message shown = messages.Last();
    EXPECT_EQ(shown.caption, "Temporary folders");
    EXPECT_EQ(shown.icon, qf::MsgIcon::None);
    EXPECT_EQ(shown.buttons, qf::MsgButtons::Ok);
    EXPECT_EQ(shown.text,
              "Temporary folder for converting WORD documents : /home/q/Temp/WORDFILES\n\n"
              "Temporary folder for converting PDF documents : /work/pdf\n\n"
              "Temporary folder for unzipping ZIP files : /chosen/zip");
}

TEST(LogCenterDialogTest, EachButtonShowsItsLogAndCloseCloses) {
    LogCenterDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Show log files"));
    QSignalSpy shown(&dialog, &LogCenterDialog::showLog);
    const std::pair<const char*, qf::LogProcess> buttons[] = {{"wordLog", qf::LogProcess::Word},
                                                              {"pdfLog", qf::LogProcess::Pdf},
                                                              {"copyLog", qf::LogProcess::Copy},
                                                              {"unzipLog", qf::LogProcess::Zip}};
    dialog.show();
    for (const auto& [name, process] : buttons) {
        dialog.findChild<QPushButton*>(name)->click();
        ASSERT_EQ(shown.count(), 1) << name;
        EXPECT_EQ(shown.takeFirst().at(0).value<qf::LogProcess>(), process) << name;
    }
    EXPECT_TRUE(dialog.isVisible());
    dialog.findChild<QPushButton*>("close")->click();
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace qftest
