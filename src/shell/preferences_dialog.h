#pragma once
// Dialog 147 "Preferences.": the end-of-search message and sound, whether the
// statistics window and the temporary-folder warning appear when a search
// starts, where the temporary folders are, the limits of conversions and
// unzipping, and whether the last session comes back at start (RESTORELST).

#include <QDialog>
#include <string>

#include "platform/user_messages.h"
#include "settings/options.h"
#include "shell/statistics_window.h"

class QCheckBox;
class QSpinBox;

namespace qf::shell {

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    // `appHome` gives the default temporary folders shown while their options are unset.
    PreferencesDialog(Options& options, StatisticsWindow& statistics, UserMessages& messages, std::string appHome,
                      QWidget* parent = nullptr);

    // CLOSE: the five boxes and the three limits go into the options; the
    // statistics window's "Do not show" box follows the summary box. The
    // close box stores nothing.
    void accept() override;

private:
    void ShowTemporaryFolders();

    Options& options_;
    StatisticsWindow& statistics_;
    UserMessages& messages_;
    std::string appHome_;
    QCheckBox* endMessage_ = nullptr;
    QCheckBox* endSound_ = nullptr;
    QCheckBox* showSummary_ = nullptr;
    QCheckBox* showWarning_ = nullptr;
    QSpinBox* convTimeLimit_ = nullptr;
    QSpinBox* zipRatioLimit_ = nullptr;
    QSpinBox* zipBudget_ = nullptr;
    QCheckBox* restoreLast_ = nullptr;
};

}  // namespace qf::shell
