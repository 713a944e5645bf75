#pragma once
// Tool window 130 "Statistics of the search process": the run's counters,
// kept current whether the window is shown or hidden. Field names: "stat_R_C"
// for row R and column C of the grid, "type_T_C" for the file types,
// "sumExamined", "word_I", "pdf_I", "zip_I" for the three process groups,
// "unreadable_0" (files), "unreadable_1" (folders) and "lineLimit".

#include <QDialog>
#include <QHash>

#include "archive/process_log.h"
#include "results/run_counters.h"
#include "results/search_statistics.h"
#include "settings/options.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qf::shell {

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(Options& options, QWidget* parent = nullptr);

    void Reset();  // every counter field "0"
    // Every field from the counters as they stand now.
    void ShowCounters(const SearchStatistics& statistics, const RunCounters& counters);
    void SetPhase(const QString& text);
    void SetCurrentName(const QString& name);
    // The end-of-search status and the current name hidden.
    void RunEnded(const SearchStatistics& statistics);
    // Whether "Do not show this dialog again. " is checked.
    bool KeepHidden() const;
    void SetKeepHidden(bool hidden);

    QString FieldText(const QString& name) const;

signals:
    void viewLog(qf::LogProcess process);

private:
    QWidget* BuildKindTable();
    QWidget* BuildProcessGroups();
    QWidget* BuildTypeTable();
    QWidget* BuildLimitRows();
    QLineEdit* AddField(const QString& name);
    void StoreAndClose();

    Options& options_;
    QHash<QString, QLineEdit*> fields_;
    QLabel* phase_ = nullptr;
    QLineEdit* currentName_ = nullptr;
    QLineEdit* startTime_ = nullptr;
    QLineEdit* endTime_ = nullptr;
    QCheckBox* doNotShow_ = nullptr;
    QList<QWidget*> officeRow_;  // shown while CONVOFFICE is on
};

}  // namespace qf::shell
