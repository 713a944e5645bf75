#pragma once
// Tool window 130 "Statistics of the search process": the run's counters,
// kept current whether the window is shown or hidden.

#include <QDialog>
#include <QHash>
#include <utility>
#include <vector>

#include "engine/search_modes.h"
#include "results/run_counters.h"
#include "settings/options.h"
#include "shell/log_viewer_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qf::shell {

// Field name and value, e.g. {"stat_4_5", 12}: row 4 (file content), column 5 (examined folders).
using StatisticsValues = std::vector<std::pair<QString, qint64>>;

// The fields that the run's present counters can fill. Replaced by the
// reports layer's statistics grid once it counts per kind and per file type.
StatisticsValues StatisticsFromRunCounters(const RunCounters& counters, const SearchModes& modes);

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(Options& options, QWidget* parent = nullptr);

    void Reset();  // every counter field "0"
    void ShowValues(const StatisticsValues& values);
    void SetPhase(const QString& text);
    void SetCurrentName(const QString& name);
    void SetStartTime(const QString& text);
    void SetEndTime(const QString& text);
    void RunEnded();
    // Whether "Do not show this dialog again. " is checked.
    bool KeepHidden() const;
    void SetKeepHidden(bool hidden);

    QString FieldText(const QString& name) const;

signals:
    void viewLog(qf::shell::LogKind kind);

private:
    QWidget* BuildKindTable();
    QWidget* BuildProcessGroups();
    QWidget* BuildTypeTable();
    QLineEdit* AddField(const QString& name);
    void StoreAndClose();

    Options& options_;
    QHash<QString, QLineEdit*> fields_;
    QLabel* phase_ = nullptr;
    QLineEdit* currentName_ = nullptr;
    QLineEdit* startTime_ = nullptr;
    QLineEdit* endTime_ = nullptr;
    QCheckBox* doNotShow_ = nullptr;
};

}  // namespace qf::shell
