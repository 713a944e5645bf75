#pragma once
// "Show Tavilan": the active settings as an "Attributes"/"Values" list with
// the summary lines under it, in the modal dialog 115 ("Check Tavilan") and
// the tool window 116 ("Show Tavilan.", while a search runs).

#include <QAbstractTableModel>
#include <QDialog>
#include <QStringList>
#include <functional>

#include "engine/session.h"
#include "reports/settings_description.h"

class QLabel;
class QTableView;

namespace qf::shell {

// Copies the main window's search-target check boxes (and whatever else the
// description reads from windows) into the options before a description is built.
using StoreTargets = std::function<void(Options&)>;

// Answers the list's cells from the entry list when the view asks.
class TavilanModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetEntries(BAZ_ACTIVE_LIST entries);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    BAZ_ACTIVE_LIST entries_;
};

// The shared body of both windows.
class TavilanView : public QWidget {
    Q_OBJECT
public:
    explicit TavilanView(QWidget* parent = nullptr);

    void Show(BAZ_ACTIVE_LIST entries, const std::vector<std::string>& summary);

    int RowCount() const;
    QString Text(int row, int column) const;  // column 0 attribute, 1 value
    QStringList SummaryLines() const;

private:
    TavilanModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QLabel* summary_ = nullptr;
};

// What the two windows share: the view, "OK" and the rebuild.
class TavilanPanel : public QDialog {
    Q_OBJECT
public:
    // Stores the targets, rebuilds the description and shows it.
    void Refresh();
    const TavilanView& View() const { return *view_; }

protected:
    TavilanPanel(Session& session, StoreTargets storeTargets, QWidget* parent, Qt::WindowFlags flags);

private:
    Session& session_;
    StoreTargets storeTargets_;
    TavilanView* view_ = nullptr;
};

// Dialog 115, opened modally by "Check Tavilan"; filled when created.
class TavilanDialog : public TavilanPanel {
    Q_OBJECT
public:
    TavilanDialog(Session& session, StoreTargets storeTargets, QWidget* parent = nullptr);
};

// Tool window 116, created hidden; "Show Tavilan." calls Refresh() and shows it.
class TavilanWindow : public TavilanPanel {
    Q_OBJECT
public:
    TavilanWindow(Session& session, StoreTargets storeTargets, QWidget* parent = nullptr);
};

}  // namespace qf::shell
