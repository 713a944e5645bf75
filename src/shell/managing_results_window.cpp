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
#include <memory>

#include "results/result_grouping.h"
#include "results/result_sorting.h"
#include "shell/control_ids.h"
#include "shell/background_command.h"
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
    : QDialog(parent, Qt::Tool), session_(session), messages_(messages), relay_(std::make_unique<StatusRelay>(*this)) {
    command_ = new BackgroundCommand(this);
    connect(command_, &BackgroundCommand::finished, this, &ManagingResultsWindow::commandFinished);
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

ManagingResultsWindow::~ManagingResultsWindow() { delete command_; }

bool ManagingResultsWindow::Busy() const { return command_->Busy(); }

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

// The command works on copies of the view state and of the options; they
// come back when it is done, into the state it started from (the running
// search's or the session's).
void ManagingResultsWindow::RunCommand(const std::function<CommandReport(ResultViewState&, Options&)>& command,
                                       const std::function<void(const CommandReport&)>& after) {
    ResultViewState* target = &View();
    auto view = std::make_shared<ResultViewState>(*target);
    auto options = std::make_shared<Options>(session_.state.options);
    auto report = std::make_shared<CommandReport>();
    command_->Run([command, view, options, report] { *report = command(*view, *options); },
                  [this, target, view, options, report, after] {
                      *target = std::move(*view);
                      TakeCommandOptions(*options);
                      if (after) after(*report);
                  });
}

// What the commands change in the options: the sort choice, the list state
// and the line-count note of the settings description.
void ManagingResultsWindow::TakeCommandOptions(const Options& from) {
    Options& o = session_.state.options;
    for (Opt key : {Opt::ASCSORTORD, Opt::DSCSORTORD, Opt::SELSORTORD, Opt::LISTORIGMO}) o.SetInt(key, from.Int(key));
    o.SetText(Opt::SELSORTORD, from.Text(Opt::SELSORTORD));
    o.linesWithHitsMode = from.linesWithHitsMode;
    o.linesWithHitsNote = from.linesWithHitsNote;
}

void ManagingResultsWindow::Sort() {
    const SortRequest request{sortBy_->currentIndex(), descending_->isChecked()};
    RunCommand(
        [this, request](ResultViewState& view, Options& o) {
            CommandReport report;
            report.outcome = SortCommand(session_.results, view, o, request, messages_, relay_.get());
            return report;
        },
        [this, request](const CommandReport& report) {
            if (report.outcome != CommandOutcome::Done) return;
            emit resultsChanged(session_.results.Size());
            emit sorted(request.keyIndex, request.descending);
        });
}

void ManagingResultsWindow::SortBy(int keyIndex, bool descending) {
    if (keyIndex < 0 || keyIndex >= kSortKeyCount) return;
    sortBy_->setCurrentIndex(keyIndex);
    (descending ? descending_ : ascending_)->setChecked(true);
    Sort();
}

void ManagingResultsWindow::Group() {
    if (Busy()) return;
    ListsIntoView();
    RunCommand([this](ResultViewState& view, Options& o) { return GroupResults(session_.results, view, o, messages_); },
               [this](const CommandReport& report) { Finish(report); });
}

void ManagingResultsWindow::Ungroup() {
    if (Busy()) return;
    ListsIntoView();
    RunCommand(
        [this](ResultViewState& view, Options& o) { return UngroupResults(session_.results, view, o, relay_.get()); },
        [this](const CommandReport& report) {
            ListsFromView();
            Finish(report);
        });
}

void ManagingResultsWindow::Modify() {
    const int lines = linesPerFile_->value();
    RunCommand(
        [this, lines](ResultViewState& view, Options& o) {
            return ModifyLinesPerFile(session_.results, view, o, lines, relay_.get());
        },
        [this](const CommandReport& report) { Finish(report); });
}

void ManagingResultsWindow::Finish(const CommandReport& report) {
    if (report.outcome == CommandOutcome::HideWindow) hide();
    if (report.outcome != CommandOutcome::Done) return;
    if (!report.statisticsText.empty()) emit statisticsText(QString::fromStdString(report.statisticsText));
    emit resultsChanged(session_.results.Size());
}

}  // namespace qf::shell
