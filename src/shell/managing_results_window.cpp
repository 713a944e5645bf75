#include "shell/managing_results_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "results/result_grouping.h"
#include "results/result_sorting.h"
#include "shell/control_ids.h"
#include "shell/dialog_parts.h"
#include "shell/list_editor.h"

namespace qf::shell {
namespace {

enum : int {
    kIdAbove = 341,
    kIdBelow = 344,
    kIdLinesPerFile = 1508,
    kIdModify = 1510,
    kIdInclude = 1663,
    kIdExclude = 1664,
    kIdToExclude = 1665,
    kIdToInclude = 1666,
    kIdAllToExclude = 1667,
    kIdAllToInclude = 1668,
    kIdGroup = 1674,
    kIdUngroup = 1675,
};

constexpr int kMaxLinesPerFile = 99999;  // five digits
constexpr int kMaxPreviewEdit = 999;     // three digits; above 100 is refused

const ListEditorRules kToExcludeRules{"Warning !    Msg no: 0173", false, {}, nullptr, Qt::CaseSensitive};
const ListEditorRules kToIncludeRules{"Warning !    Msg no: 0174", false, {}, nullptr, Qt::CaseSensitive};

// "Sorting ..." from the core's rebuild, passed on as a signal.
class StatusRelay : public SearchObserver {
public:
    explicit StatusRelay(ManagingResultsWindow& window) : window_(window) {}
    void StatusText(const std::string& text) override { emit window_.statusText(QString::fromStdString(text)); }

private:
    ManagingResultsWindow& window_;
};

QSpinBox* NumberEdit(int id, int maximum) {
    auto* edit = new QSpinBox;
    edit->setObjectName(IdName(id));
    edit->setRange(0, maximum);
    return edit;
}

QListWidget* TypeList(int id, bool sorted) {
    auto* list = SelectableList(IdName(id));
    list->setSortingEnabled(sorted);
    return list;
}

std::vector<std::string> Items(const QListWidget& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text().toStdString());
    return items;
}

void Fill(QListWidget& list, const std::vector<std::string>& items) {
    list.clear();
    for (const std::string& item : items) AddListItem(list, QString::fromStdString(item));
}

}  // namespace

ManagingResultsWindow::ManagingResultsWindow(Session& session, UserMessages& messages, QWidget* parent)
    : QDialog(parent, Qt::Tool), session_(session), messages_(messages) {
    setWindowTitle(QStringLiteral("Managing  results"));
    setObjectName(QStringLiteral("managingResultsWindow"));
    setModal(false);

    auto* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSortBox());
    layout->addWidget(BuildGroupingBox());
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(BuildLinesPerFileBox());
    numbers->addWidget(BuildPreviewLinesBox());
    layout->addLayout(numbers);
    layout->addWidget(buttons);
    LoadFromOptions();
}

QWidget* ManagingResultsWindow::BuildSortBox() {
    auto* box = new QGroupBox(QStringLiteral("Sort management"));
    sortBy_ = new QComboBox;
    sortBy_->setObjectName(QStringLiteral("sortBy"));
    for (std::string_view text : kSortKeyTexts)
        sortBy_->addItem(QString::fromLatin1(text.data(), qsizetype(text.size())));
    ascending_ = new QRadioButton(QStringLiteral("Ascending order"));
    descending_ = new QRadioButton(QStringLiteral("Descending order"));
    ascending_->setObjectName(QStringLiteral("ascending"));
    descending_->setObjectName(QStringLiteral("descending"));
    auto* sort = NamedButton("Sort results ", QStringLiteral("sortResults"));
    connect(sort, &QPushButton::clicked, this, &ManagingResultsWindow::Sort);

    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Sort by: ")), 0, 0);
    grid->addWidget(sortBy_, 0, 1);
    grid->addWidget(ascending_, 1, 0);
    grid->addWidget(descending_, 1, 1);
    grid->addWidget(sort, 0, 2, 2, 1);
    return box;
}

QWidget* ManagingResultsWindow::BuildGroupingBox() {
    auto* box = new QGroupBox(QStringLiteral("   Grouping results"));
    include_ = TypeList(kIdInclude, false);
    exclude_ = TypeList(kIdExclude, true);
    auto* toExclude = NamedButton(">", IdName(kIdToExclude));
    auto* toInclude = NamedButton("<", IdName(kIdToInclude));
    auto* allToExclude = NamedButton(">>", IdName(kIdAllToExclude));
    auto* allToInclude = NamedButton("<<", IdName(kIdAllToInclude));
    auto* group = NamedButton("Group", IdName(kIdGroup));
    auto* ungroup = NamedButton("Ungroup", IdName(kIdUngroup));
    connect(toExclude, &QPushButton::clicked, this,
            [this] { MoveSelected(*include_, *exclude_, kToExcludeRules, messages_); });
    connect(toInclude, &QPushButton::clicked, this,
            [this] { MoveSelected(*exclude_, *include_, kToIncludeRules, messages_); });
    connect(allToExclude, &QPushButton::clicked, this, [this] { MoveAll(*include_, *exclude_, kToExcludeRules); });
    connect(allToInclude, &QPushButton::clicked, this, [this] { MoveAll(*exclude_, *include_, kToIncludeRules); });
    connect(group, &QPushButton::clicked, this, &ManagingResultsWindow::Group);
    connect(ungroup, &QPushButton::clicked, this, &ManagingResultsWindow::Ungroup);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* b : {toExclude, toInclude, allToExclude, allToInclude}) moves->addWidget(b);
    moves->addStretch();
    auto* commands = new QVBoxLayout;
    commands->addWidget(group);
    commands->addWidget(ungroup);
    commands->addStretch();

    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Include")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Exclude")), 0, 2);
    grid->addWidget(include_, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(exclude_, 1, 2);
    grid->addLayout(commands, 1, 3);
    return box;
}

QWidget* ManagingResultsWindow::BuildLinesPerFileBox() {
    auto* box = new QGroupBox(QStringLiteral("In Result Window display number of lines with hits "));
    linesPerFile_ = NumberEdit(kIdLinesPerFile, kMaxLinesPerFile);
    auto* modify = NamedButton("Modify ", IdName(kIdModify));
    connect(linesPerFile_, &QSpinBox::valueChanged, this, &ManagingResultsWindow::CheckLinesPerFile);
    connect(modify, &QPushButton::clicked, this, &ManagingResultsWindow::Modify);
    auto* row = new QHBoxLayout(box);
    row->addWidget(new QLabel(QStringLiteral("From the same file:")));
    row->addWidget(linesPerFile_);
    row->addWidget(modify);
    return box;
}

QWidget* ManagingResultsWindow::BuildPreviewLinesBox() {
    previewBox_ = new QGroupBox(QStringLiteral("In preview window display number of lines"));
    previewBox_->setObjectName(QStringLiteral("previewLines"));
    above_ = NumberEdit(kIdAbove, kMaxPreviewEdit);
    below_ = NumberEdit(kIdBelow, kMaxPreviewEdit);
    connect(above_, &QSpinBox::valueChanged, this, [this](int v) { CheckPreviewLines(*above_, true, v); });
    connect(below_, &QSpinBox::valueChanged, this, [this](int v) { CheckPreviewLines(*below_, false, v); });
    auto* grid = new QGridLayout(previewBox_);
    grid->addWidget(new QLabel(QStringLiteral("Above line with hits : ")), 0, 0);
    grid->addWidget(above_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Below line with hits : ")), 1, 0);
    grid->addWidget(below_, 1, 1);
    return previewBox_;
}

void ManagingResultsWindow::LoadFromOptions() {
    const Options& o = session_.state.options;
    const QSignalBlocker blockLines(linesPerFile_);
    const QSignalBlocker blockAbove(above_);
    const QSignalBlocker blockBelow(below_);
    const int key = o.Int(Opt::SELSORTORD);
    sortBy_->setCurrentIndex(key >= 0 && key < kSortKeyCount ? key : 0);
    (o.On(Opt::DSCSORTORD) ? descending_ : ascending_)->setChecked(true);
    linesPerFile_->setValue(o.Int(Opt::ARESLINENU));
    above_->setValue(o.Int(Opt::ABOVERESNO));
    below_->setValue(o.Int(Opt::BELOWRESNO));
}

LinesAround ManagingResultsWindow::PreviewLines() const {
    const LinesAround fallback = LinesAroundFromOptions(session_.state.options);
    return {ReadLineCountEdit(above_->cleanText().toStdString(), fallback.above),
            ReadLineCountEdit(below_->cleanText().toStdString(), fallback.below)};
}

void ManagingResultsWindow::StoreIntoOptions(Options& o) const {
    o.Choose({Opt::ASCSORTORD, Opt::DSCSORTORD}, descending_->isChecked() ? Opt::DSCSORTORD : Opt::ASCSORTORD);
    o.SetInt(Opt::SELSORTORD, sortBy_->currentIndex());
    o.SetText(Opt::SELSORTORD, sortBy_->currentText().toStdString());
    const LinesAround lines = PreviewLines();
    o.SetInt(Opt::ABOVERESNO, lines.above);
    o.SetInt(Opt::BELOWRESNO, lines.below);
    o.SetInt(Opt::ARESLINENU, linesPerFile_->value());
}

void ManagingResultsWindow::accept() {
    StoreIntoOptions(session_.state.options);
    QDialog::accept();
}

void ManagingResultsWindow::SetPreviewLinesEnabled(bool enabled) { previewBox_->setEnabled(enabled); }

ResultViewState& ManagingResultsWindow::View() {
    return session_.running ? runningView_ : session_.resultView;
}

void ManagingResultsWindow::ListsIntoView() {
    ResultViewState& view = View();
    view.includeTypes = Items(*include_);
    view.excludeTypes = Items(*exclude_);
}

void ManagingResultsWindow::ListsFromView() {
    const ResultViewState& view = View();
    Fill(*include_, view.includeTypes);
    Fill(*exclude_, view.excludeTypes);
}

bool ManagingResultsWindow::RefreshGroupingLists() {
    if (include_->count() > 0) return true;
    const bool filled = FillTypeLists(session_.results, View());
    ListsFromView();
    if (!filled) hide();
    return filled;
}

void ManagingResultsWindow::ShowFromButton() {
    if (!RefreshGroupingLists()) return;
    show();
    raise();
    activateWindow();
}

void ManagingResultsWindow::SearchEnded() {
    // Built again from the list rather than taken from the run, so that a
    // command given between the run's end and this call cannot leave old types.
    const bool filled = FillTypeLists(session_.results, View());
    ListsFromView();
    Options& o = session_.state.options;
    o.SetInt(Opt::ARESLINENU, o.Int(Opt::RESLINENUM));
    {
        const QSignalBlocker block(linesPerFile_);
        linesPerFile_->setValue(o.Int(Opt::RESLINENUM));
    }
    searchEnded_ = true;
    if (!filled) hide();
}

void ManagingResultsWindow::CheckLinesPerFile(int value) {
    if (!searchEnded_) return;
    const int checked = CheckLinesPerFileEdit(value, session_.state.options, messages_);
    if (checked != value) linesPerFile_->setValue(checked);
}

void ManagingResultsWindow::CheckPreviewLines(QSpinBox& edit, bool above, int value) {
    const uint32_t checked = CheckLineCountEdit(uint32_t(value), above, messages_);
    if (checked != uint32_t(value)) edit.setValue(int(checked));
}

void ManagingResultsWindow::Sort() {
    StatusRelay relay(*this);
    const SortRequest request{sortBy_->currentIndex(), descending_->isChecked()};
    if (SortCommand(session_.results, View(), session_.state.options, request, messages_, &relay) !=
        CommandOutcome::Done)
        return;
    emit resultsChanged(session_.results.Size());
    emit sorted(request.keyIndex, request.descending);
}

void ManagingResultsWindow::SortBy(int keyIndex, bool descending) {
    if (keyIndex < 0 || keyIndex >= kSortKeyCount) return;
    sortBy_->setCurrentIndex(keyIndex);
    (descending ? descending_ : ascending_)->setChecked(true);
    Sort();
}

void ManagingResultsWindow::Group() {
    ListsIntoView();
    Finish(GroupResults(session_.results, View(), session_.state.options, messages_));
}

void ManagingResultsWindow::Ungroup() {
    StatusRelay relay(*this);
    ListsIntoView();
    const CommandReport report = UngroupResults(session_.results, View(), session_.state.options, &relay);
    ListsFromView();
    Finish(report);
}

void ManagingResultsWindow::Modify() {
    StatusRelay relay(*this);
    Finish(ModifyLinesPerFile(session_.results, View(), session_.state.options, linesPerFile_->value(), &relay));
}

void ManagingResultsWindow::Finish(const CommandReport& report) {
    if (report.outcome == CommandOutcome::HideWindow) hide();
    if (report.outcome != CommandOutcome::Done) return;
    if (!report.statisticsText.empty()) emit statisticsText(QString::fromStdString(report.statisticsText));
    emit resultsChanged(session_.results.Size());
}

}  // namespace qf::shell
