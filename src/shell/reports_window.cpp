#include "shell/reports_window.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/file_time.h"
#include "settings/default_lists.h"
#include "shell/background_command.h"
#include "shell/dialog_parts.h"
#include "shell/text_file_window.h"
#include "shell/list_editor.h"

namespace qf::shell {
namespace {

constexpr const char* kTextFilter = "Text Files (*.TXT);;All Files (*.*)";

QCheckBox* CheckBox(const char* caption, const char* name) {
    auto* box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void FillList(QListWidget& list, const qf::ColumnList& columns) {
    list.clear();
    for (const _List_Name_Struct& column : columns) AddListItem(list, QString::fromStdString(column.sName), column.nNumber);
}

qf::ColumnList ColumnsOf(const QListWidget& list) {
    qf::ColumnList columns;
    for (int i = 0; i < list.count(); ++i)
        columns.push_back({list.item(i)->data(Qt::UserRole).toInt(), list.item(i)->text().toStdString()});
    return columns;
}

// Both dialogs start from the name chosen last.
std::optional<std::string> AskFile(QWidget* owner, const std::string& title, bool save, QString& lastName) {
    QFileDialog dialog(owner, QString::fromStdString(title), lastName, QString::fromLatin1(kTextFilter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    lastName = dialog.selectedFiles().front();
    return lastName.toStdString();
}

// Hands the file to the desktop without waiting for the application.
bool OpenOnDesktop(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace

ReportsWindow::ReportsWindow(Session& session, UserMessages& messages, QWidget* parent)
    : QDialog(parent, Qt::Tool), session_(session), messages_(messages) {
    setWindowTitle(QStringLiteral("Show/Save/Open user configurable dynamic Extracts/Reports"));
    setObjectName(QStringLiteral("reportsWindow"));
    chooseSaveFile = [this](const std::string& title) { return AskFile(this, title, true, lastName_); };
    chooseOpenFile = [this](const std::string& title) { return AskFile(this, title, false, lastName_); };
    openFile = OpenOnDesktop;
    viewer_ = new TextFileWindow(this);
    command_ = new BackgroundCommand(this);
    ownViewer = [this](const std::string& path) { return viewer_->ShowFile(path); };

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildConstructFrame());
    layout->addWidget(BuildReportFrame());
    openSaved_ = NamedButton("Open Saved...", "openSaved");
    auto* close = NamedButton("Close", "close");
    connect(openSaved_, &QPushButton::clicked, this, &ReportsWindow::OpenSaved);
    connect(close, &QPushButton::clicked, this, &ReportsWindow::reject);
    layout->addWidget(openSaved_, 0, Qt::AlignLeft);
    layout->addWidget(close, 0, Qt::AlignRight);

    for (QCheckBox* box : {searchLogic_, resultLines_, statistics_})
        connect(box, &QCheckBox::toggled, this, &ReportsWindow::ApplyEnabling);
    Refresh();
}

QWidget* ReportsWindow::BuildConstructFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Construct Last Search Extract/Report"));
    auto* layout = new QVBoxLayout(frame);
    auto* sections = new QGroupBox(QStringLiteral("Add to report"));
    auto* sectionsLayout = new QHBoxLayout(sections);
    searchLogic_ = CheckBox("Search Logic ", "searchLogic");
    resultLines_ = CheckBox("Result lines ", "resultLines");
    statistics_ = CheckBox("Statistics ", "statistics");
    for (QCheckBox* box : {searchLogic_, resultLines_, statistics_}) sectionsLayout->addWidget(box);
    layout->addWidget(sections);
    layout->addWidget(BuildColumnLists());
    auto* defaults = NamedButton("Set defaults", "setDefaults");
    connect(defaults, &QPushButton::clicked, this, &ReportsWindow::SetDefaults);
    layout->addWidget(defaults, 0, Qt::AlignLeft);
    return frame;
}

QWidget* ReportsWindow::BuildColumnLists() {
    included_ = SelectableList("includeColumns");
    excluded_ = SelectableList("excludeColumns");
    auto* pair = new QWidget;
    auto* row = new QHBoxLayout(pair);
    const std::pair<const char*, QListWidget*> lists[] = {{"Include column(s)", included_},
                                                          {"Exclude column(s)", excluded_}};
    for (const auto& [caption, list] : lists) {
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(QString::fromLatin1(caption)));
        column->addWidget(list);
        row->addLayout(column);
        if (list == included_) row->addWidget(BuildMoveButtons());
    }
    return pair;
}

QWidget* ReportsWindow::BuildMoveButtons() {
    moveButtons_ = new QWidget;
    auto* layout = new QVBoxLayout(moveButtons_);
    layout->addStretch();
    const struct {
        const char* caption;
        const char* name;
        bool toExcluded;
        bool all;
    } moves[] = {{">", "toExcluded", true, false},
                 {"<", "toIncluded", false, false},
                 {">>", "allToExcluded", true, true},
                 {"<<", "allToIncluded", false, true}};
    for (const auto& move : moves) {
        auto* button = NamedButton(move.caption, move.name);
        button->setMaximumWidth(40);
        const bool toExcluded = move.toExcluded;
        const bool all = move.all;
        connect(button, &QPushButton::clicked, this, [this, toExcluded, all] { MoveColumns(toExcluded, all); });
        layout->addWidget(button);
    }
    layout->addStretch();
    return moveButtons_;
}

QWidget* ReportsWindow::BuildReportFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Last Search Extract/Report"));
    auto* layout = new QHBoxLayout(frame);
    auto* instant = NamedButton("Instant display", "instantDisplay");
    saveToFile_ = NamedButton("Save to file", "saveToFile");
    auto* exportFile = NamedButton("Export Comma Sep.", "exportCommaSep");
    connect(instant, &QPushButton::clicked, this, &ReportsWindow::InstantDisplay);
    connect(saveToFile_, &QPushButton::clicked, this, &ReportsWindow::SaveToFile);
    connect(exportFile, &QPushButton::clicked, this, &ReportsWindow::ExportCommaSeparated);
    for (QPushButton* b : {instant, saveToFile_, exportFile}) layout->addWidget(b);
    return frame;
}

void ReportsWindow::Refresh() {
    const Options& o = session_.state.options;
    FillList(*included_, o.Columns(Opt::LISTINCLIS));
    FillList(*excluded_, o.Columns(Opt::LISTEXCLIS));
    searchLogic_->setChecked(o.On(Opt::LISTSETCHK));
    resultLines_->setChecked(o.On(Opt::LISTRESCHK));
    statistics_->setChecked(o.On(Opt::LISTSUMMAR));
    ApplyEnabling();
}

void ReportsWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Refresh();
    QDialog::showEvent(event);
}

void ReportsWindow::StoreControls(Options& o) const {
    o.SetColumns(Opt::LISTINCLIS, ColumnsOf(*included_));
    o.SetColumns(Opt::LISTEXCLIS, ColumnsOf(*excluded_));
    o.SetInt(Opt::LISTSETCHK, searchLogic_->isChecked() ? 1 : 0);
    o.SetInt(Opt::LISTRESCHK, resultLines_->isChecked() ? 1 : 0);
    o.SetInt(Opt::LISTSUMMAR, statistics_->isChecked() ? 1 : 0);
}

void ReportsWindow::ApplyEnabling() {
    const bool anySection = searchLogic_->isChecked() || resultLines_->isChecked() || statistics_->isChecked();
    saveToFile_->setEnabled(anySection);
    openSaved_->setEnabled(anySection);
    const bool columns = resultLines_->isChecked();
    included_->setEnabled(columns);
    excluded_->setEnabled(columns);
    moveButtons_->setEnabled(columns);
}

void ReportsWindow::MoveColumns(bool toExcluded, bool all) {
    QListWidget& source = toExcluded ? *included_ : *excluded_;
    QListWidget& target = toExcluded ? *excluded_ : *included_;
    // Eleven columns at most: the too-many-selected message cannot arise.
    ListEditorRules rules;
    rules.sameText = Qt::CaseInsensitive;
    if (all)
        MoveAll(source, target, rules);
    else
        MoveSelected(source, target, rules, messages_);
}

void ReportsWindow::SetDefaults() {
    Options& o = session_.state.options;
    o.SetInt(Opt::LISTSETCHK, 0);
    o.SetInt(Opt::LISTRESCHK, 1);
    o.SetInt(Opt::LISTSUMMAR, 0);
    o.SetInt(Opt::LISTPRECHK, 0);
    o.SetInt(Opt::LISTPRERAD, 0);
    o.SetInt(Opt::LISTPRRRED, 0);
    o.SetColumns(Opt::LISTINCLIS, ReportColumns());
    o.SetColumns(Opt::LISTEXCLIS, {});
    Refresh();
}

// A copy of the list is taken under the result lock, so a running search
// only waits for the copy, never for the file to be written.
ReportRequest ReportsWindow::MakeRequest(const Options& options, const _Multi_Settings_Struct& snapshot) const {
    return ReportRequest{options,
                         snapshot,
                         session_.statistics,
                         session_.results.CopyList(),
                         session_.copyDestinations,
                         GetLocalTime(),
                         &session_.counters};
}

// The report is built and written on the command's thread from copies of the
// options and the snapshot; the file dialogs and viewers stay on the window's.
void ReportsWindow::RunReport(const std::function<void(const ReportRequest&)>& write) {
    if (command_->Busy()) return;
    StoreControls(session_.state.options);
    auto options = std::make_shared<Options>(session_.state.options);
    auto snapshot = std::make_shared<_Multi_Settings_Struct>(session_.state.ReadSnapshot());
    command_->Run([this, write, options, snapshot] { write(MakeRequest(*options, *snapshot)); }, {});
}

FileChooser ReportsWindow::ChooserFromCommand(const FileChooser& chooser) {
    return [this, &chooser](const std::string& title) {
        return command_->OnWindowThread([&] { return chooser ? chooser(title) : std::optional<std::string>(); });
    };
}

FileOpener ReportsWindow::OpenerFromCommand(const FileOpener& opener) {
    return [this, &opener](const std::string& path) {
        return command_->OnWindowThread([&] { return opener && opener(path); });
    };
}

void ReportsWindow::InstantDisplay() {
    RunReport([this](const ReportRequest& request) {
        qf::InstantDisplay(request, session_.AppHome(), OpenerFromCommand(openFile), messages_,
                           OpenerFromCommand(ownViewer));
    });
}

void ReportsWindow::SaveToFile() {
    RunReport([this](const ReportRequest& request) { MakeReport(request, ChooserFromCommand(chooseSaveFile), messages_); });
}

void ReportsWindow::ExportCommaSeparated() {
    RunReport([this](const ReportRequest& request) {
        MakeExport(request.results, request.options, ChooserFromCommand(chooseSaveFile), messages_);
    });
}

ReportsWindow::~ReportsWindow() { delete command_; }

bool ReportsWindow::Busy() const { return command_->Busy(); }

void ReportsWindow::OpenSaved() { OpenSavedReport(chooseOpenFile, openFile, messages_, ownViewer); }

void ReportsWindow::reject() {
    StoreControls(session_.state.options);
    hide();
}

}  // namespace qf::shell
