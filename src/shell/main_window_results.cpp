// The main window's result table: clicks and keys, double click, the row
// menu, sorting by a column header, and folders dropped onto the window.

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

#include "shell/file_types_dialog.h"
#include "shell/folders_dialog.h"
#include "shell/main_window.h"
#include "shell/managing_results_window.h"
#include "shell/result_clicks.h"
#include "shell/result_model.h"
#include "shell/result_table_view.h"

namespace qf::shell {
namespace {

// The local folders among the dropped items, without trailing separators.
QStringList DroppedFolders(const QMimeData* data) {
    QStringList folders;
    if (!data || !data->hasUrls()) return folders;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isDir()) folders << QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    }
    return folders;
}

int ColumnOfSortKey(int key) {
    for (int column = 0; column < kResultColumnCount; ++column)
        if (SortKeyOfColumn(column) == key) return column;
    return -1;
}

}  // namespace

void MainWindow::SetUpResultWindow() {
    ResultTableView* view = controls_.resultWindow;
    view->setModel(model_);
    view->SizeColumns();
    view->setMinimumHeight(view->HeightForRows(kMinimumResultRows));
    connect(view, &QTableView::clicked, this, [this](const QModelIndex& index) { clicks_->Clicked(index.row()); });
    connect(view, &ResultTableView::rowChosenByKeyboard, this, [this](int row) { clicks_->KeyboardMoved(row); });
    connect(view, &ResultTableView::rowOpenRequested, this, [this](int row) { clicks_->OpenRow(row); });
    connect(view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { clicks_->DoubleClicked(index.row()); });
    connect(view, &QWidget::customContextMenuRequested, this, &MainWindow::ShowRowMenu);
    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this, &MainWindow::SortByHeader);
}

// A click on a header whose column is a sort key sorts by it; a second
// click on the same header reverses the order.
void MainWindow::SortByHeader(int column) {
    QHeaderView* header = controls_.resultWindow->horizontalHeader();
    const int key = SortKeyOfColumn(column);
    if (key >= 0) {
        const bool descending = column == headerSortColumn_ && !headerSortDescending_;
        managing_->SortBy(key, descending);
    }
    // The header moves its arrow by itself on a click; it shows the list's order.
    header->setSortIndicatorShown(headerSortColumn_ >= 0);
    if (headerSortColumn_ >= 0)
        header->setSortIndicator(headerSortColumn_, headerSortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainWindow::ShowSortOrder(int key, bool descending) {
    headerSortColumn_ = ColumnOfSortKey(key);
    headerSortDescending_ = descending;
    QHeaderView* header = controls_.resultWindow->horizontalHeader();
    header->setSortIndicatorShown(headerSortColumn_ >= 0);
    if (headerSortColumn_ >= 0)
        header->setSortIndicator(headerSortColumn_, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainWindow::ShowRowMenu(const QPoint& position) {
    ResultTableView* view = controls_.resultWindow;
    const int row = view->indexAt(position).row();
    if (row < 0) return;
    auto* menu = new QMenu(view);
    menu->setObjectName(QStringLiteral("resultRowMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [menu](const QString& text, const char* name, auto slot) {
        QAction* action = menu->addAction(text, slot);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    add(QStringLiteral("Open"), "openFile", [this, row] { clicks_->OpenRow(row); });
    add(QStringLiteral("Open containing folder"), "openFolder", [this, row] { clicks_->OpenFolderOfRow(row); });
    add(QStringLiteral("Copy path"), "copyPath",
        [this, row] { QGuiApplication::clipboard()->setText(clicks_->PathOfRow(row)); });
    QAction* copyLine = add(QStringLiteral("Copy line"), "copyLine",
                            [this, row] { QGuiApplication::clipboard()->setText(clicks_->LineOfRow(row)); });
    copyLine->setEnabled(!clicks_->LineOfRow(row).isEmpty());
    menu->popup(view->viewport()->mapToGlobal(position));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!searching_ && !DroppedFolders(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// Dropped folders join the Include list as "Add Folders" would add them.
void MainWindow::dropEvent(QDropEvent* event) {
    if (searching_) return;
    const QStringList folders = DroppedFolders(event->mimeData());
    if (folders.isEmpty()) return;
    event->acceptProposedAction();
    QStringList added;
    for (const QString& folder : folders)
        if (IncludeFolder(session_.state.options, folder, messages_)) added << folder;
    if (!added.isEmpty()) controls_.statusLine->setText(QStringLiteral("Folder(s) to search: ") + added.join("; "));
}

// Named in the status line when the search does not take every file name.
void MainWindow::ShowFilePatterns() {
    const QString patterns = ActiveFilePatterns(session_.state.options);
    const bool all = patterns == QStringLiteral("*.*");
    controls_.patternsNote->setText(all ? QString() : QStringLiteral("File names : ") + patterns);
    controls_.patternsNote->setVisible(!all);
}

}  // namespace qf::shell
