#include "shell/list_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialog_parts.h"
#include "shell/list_editor.h"

namespace qf::shell {
namespace {

bool IsDelimiters(ListDialogKind kind) { return kind == ListDialogKind::Delimiters; }

// Caption prefixes of ">", "<", "Delete item " and "Remove all items ".
std::string CaptionPrefix(ListDialogKind kind, ListButton button) {
    static constexpr const char* kDelimiters[] = {"0155", "0156", "0157", "0158"};
    static constexpr const char* kComments[] = {"0151", "0152", "0153", "0154"};
    const size_t i = size_t(button);
    return std::string("Warning !    Msg no: ") + (IsDelimiters(kind) ? kDelimiters[i] : kComments[i]);
}

std::vector<std::string> Items(const QListWidget& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text().toStdString());
    return items;
}

void Fill(QListWidget& list, const OptionMap& map) {
    for (const auto& [key, count] : map) AddListItem(list, QString::fromStdString(key));
}

}  // namespace

ListSettingsDialog::ListSettingsDialog(ListDialogKind kind, Options& options, UserMessages& messages,
                                       ListEntryMemory& memory, QWidget* parent)
    : QDialog(parent), kind_(kind), options_(options), messages_(messages), memory_(memory) {
    const bool delimiters = IsDelimiters(kind);
    setWindowTitle(delimiters ? QStringLiteral("Settings for text delimiters")
                              : QStringLiteral("Settings for comment charcters"));
    setObjectName(delimiters ? QStringLiteral("delimitersDialog") : QStringLiteral("commentsDialog"));
    setModal(true);
    entryLimit_ = EntryLimit(kind, !memory_.opened);
    memory_.opened = true;

    include_ = SelectableList("includeList");
    exclude_ = SelectableList("excludeList");
    active_ = include_;
    for (QListWidget* list : {include_, exclude_})
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            if (!list->selectedItems().isEmpty()) active_ = list;
        });

    confirm_ = new QCheckBox(QStringLiteral("Confirm operations"));
    confirm_->setObjectName(QStringLiteral("confirm"));

    auto* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildEntryRow());
    layout->addWidget(BuildLists());
    layout->addWidget(confirm_);
    layout->addWidget(buttons);
    LoadFromOptions();
}

QWidget* ListSettingsDialog::BuildEntryRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    entry_ = new QLineEdit;
    entry_->setObjectName(QStringLiteral("entry"));
    connect(entry_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (EntryFits(text)) acceptedEntry_ = text;
    });
    connect(entry_, &QLineEdit::textEdited, this, &ListSettingsDialog::EntryEdited);
    auto* add = NamedButton(QStringLiteral("Add "), "add");
    connect(add, &QPushButton::clicked, this, &ListSettingsDialog::Add);
    layout->addWidget(entry_);
    layout->addWidget(add);
    return row;
}

QWidget* ListSettingsDialog::BuildLists() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Include")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Exclude")), 0, 2);
    grid->addWidget(include_, 1, 0);
    grid->addWidget(BuildMoveButtons(), 1, 1);
    grid->addWidget(exclude_, 1, 2);
    auto* remove = NamedButton(QStringLiteral("Delete item "), "deleteItem");
    auto* removeAll = NamedButton(QStringLiteral("Remove all items "), "removeAll");
    connect(remove, &QPushButton::clicked, this, [this] { Delete(false); });
    connect(removeAll, &QPushButton::clicked, this, [this] { Delete(true); });
    grid->addWidget(remove, 2, 0);
    grid->addWidget(removeAll, 2, 2);
    return box;
}

QWidget* ListSettingsDialog::BuildMoveButtons() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addStretch();
    auto* to = NamedButton(QStringLiteral(">"), "toExclude");
    auto* from = NamedButton(QStringLiteral("<"), "toInclude");
    auto* allTo = NamedButton(QStringLiteral(">>"), "allToExclude");
    auto* allFrom = NamedButton(QStringLiteral("<<"), "allToInclude");
    connect(to, &QPushButton::clicked, this, [this] { Move(true, false); });
    connect(from, &QPushButton::clicked, this, [this] { Move(false, false); });
    connect(allTo, &QPushButton::clicked, this, [this] { Move(true, true); });
    connect(allFrom, &QPushButton::clicked, this, [this] { Move(false, true); });
    for (QPushButton* b : {to, from, allTo, allFrom}) {
        b->setMaximumWidth(40);
        layout->addWidget(b);
    }
    layout->addStretch();
    return column;
}

void ListSettingsDialog::LoadFromOptions() {
    const bool delimiters = IsDelimiters(kind_);
    Fill(*include_, options_.Map(delimiters ? Opt::INCDELMMAP : Opt::INCCOMMMAP));
    Fill(*exclude_, options_.Map(delimiters ? Opt::EXCDELMMAP : Opt::EXCCOMMMAP));
    confirm_->setChecked(options_.On(delimiters ? Opt::DELCONFIRM : Opt::COMCONFIRM));
    entry_->setText(QString::fromStdString(memory_.entry));
}

ListDialogState ListSettingsDialog::State() const {
    ListDialogState state;
    state.include = Items(*include_);
    state.exclude = Items(*exclude_);
    state.entry = entry_->text().toStdString();
    state.entryLimit = entryLimit_;
    state.confirm = confirm_->isChecked();
    return state;
}

// The raised limit leaves room for the blank left after an Add; the entry
// still never holds more than the allowed characters besides blanks, so no
// item longer than a delimiter or comment string can be added.
bool ListSettingsDialog::EntryFits(const QString& text) const {
    return size_t(text.size()) <= entryLimit_ && size_t(text.trimmed().size()) <= EntryLimit(kind_, true);
}

void ListSettingsDialog::EntryEdited(const QString& text) {
    if (EntryFits(text)) return;
    messages_.Show(EntryTooLongMessage(kind_));
    entry_->setText(acceptedEntry_);
}

void ListSettingsDialog::Add() {
    ListDialogState state = State();
    if (!AddItem(kind_, state, messages_)) return;
    AddListItem(*include_, QString::fromStdString(state.include.back()));
    entryLimit_ = state.entryLimit;
    entry_->setText(QString::fromStdString(state.entry));
}

void ListSettingsDialog::Move(bool toExclude, bool all) {
    QListWidget& from = toExclude ? *include_ : *exclude_;
    QListWidget& to = toExclude ? *exclude_ : *include_;
    ListEditorRules rules;
    if (all) {
        MoveAll(from, to, rules);
        return;
    }
    rules.captionPrefix = CaptionPrefix(kind_, toExclude ? ListButton::ToExclude : ListButton::ToInclude);
    MoveSelected(from, to, rules, messages_);
}

void ListSettingsDialog::Delete(bool all) {
    ListEditorRules rules;
    rules.captionPrefix = CaptionPrefix(kind_, all ? ListButton::RemoveAll : ListButton::Delete);
    rules.confirm = confirm_->isChecked();
    if (IsDelimiters(kind_)) rules.protectedItem = QStringLiteral("space");
    if (all)
        DeleteAll(*active_, rules, messages_);
    else
        DeleteSelected(*active_, rules, messages_);
}

void ListSettingsDialog::accept() {
    const ListDialogState state = State();
    if (!CheckOk(kind_, state, messages_)) return;
    ApplyOk(kind_, state, options_);
    memory_.entry = state.entry;
    QDialog::accept();
}

void ListSettingsDialog::reject() {
    if (!CheckCancel(kind_, State(), messages_)) return;
    QDialog::reject();
}

}  // namespace qf::shell
