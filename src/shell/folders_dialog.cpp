#include "shell/folders_dialog.h"

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

// Folder paths name different folders when their letter case differs.
constexpr Qt::CaseSensitivity kSamePath = Qt::CaseSensitive;

struct DuplicateRule {
    const char* caption;
    const char* text;
};

const DuplicateRule kInIncluded{"Warning !    Msg no: 0130.", "This folder is already exists in the Included window!\n\n"};
const DuplicateRule kIncludeInIgnore{"Warning !    Msg no: 0134.", "This folder is already exists in the Ignore window!\n\n"};
const DuplicateRule kInReserved{"Warning !    Msg no: 0131.", "This folder is already exists in the Reserved window!\n\n"};
const DuplicateRule kInIgnored{"Warning !    Msg no: 0132.", "This folder is already exists in the Ignored window!\n\n"};
const DuplicateRule kExcludeInInclude{"Warning !    Msg no: 0133.", "This folder is already exists in the Include window!\n\n"};

QString Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

QStringList Items(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
    return items;
}

OptionList ToOptionList(const QListWidget& list) {
    OptionList out;
    for (const QString& item : Items(list)) out.push_back(item.toStdString());
    return out;
}

// A rule whose text is empty is off; an unchecked rule keeps no text.
void StoreRule(Options& o, Opt flag, Opt text, const QCheckBox& box, const QLineEdit& edit) {
    const QString terms = edit.text().trimmed();
    const bool on = box.isChecked() && !terms.isEmpty();
    o.SetInt(flag, on ? 1 : 0);
    o.SetText(text, on ? terms.toStdString() : std::string());
}

bool OptionListHolds(const OptionList& list, const QString& folder) {
    for (const std::string& item : list)
        if (QString::fromStdString(item).compare(folder, kSamePath) == 0) return true;
    return false;
}

}  // namespace

bool IncludeFolder(Options& options, const QString& folder, UserMessages& messages) {
    const std::pair<Opt, DuplicateRule> checks[] = {{Opt::DIRECTORIS, kInIncluded}, {Opt::IGNDIRECTS, kIncludeInIgnore}};
    for (const auto& [list, rule] : checks) {
        if (!OptionListHolds(options.List(list), folder)) continue;
        messages.Show(WarningMessage(rule.caption, rule.text));
        return false;
    }
    OptionList included = options.List(Opt::DIRECTORIS);
    included.push_back(folder.toStdString());
    options.SetList(Opt::DIRECTORIS, std::move(included));
    return true;
}

FoldersDialog::FoldersDialog(Options& options, UserMessages& messages, FolderChooser chooser, QWidget* parent)
    : QDialog(parent), options_(options), messages_(messages), chooser_(std::move(chooser)) {
    setWindowTitle(QStringLiteral("Folders settings"));
    setObjectName(QStringLiteral("foldersDialog"));
    include_ = SelectableList("includeList");
    temporary_ = SelectableList("temporaryList");
    exclude_ = SelectableList("excludeList");

    auto* grid = new QGridLayout;
    grid->addWidget(BuildListColumn(List::Include, QStringLiteral("Include (Active)")), 0, 0, 2, 1);
    grid->addWidget(BuildMoveButtons(List::Temporary), 0, 1);
    grid->addWidget(BuildListColumn(List::Temporary, QStringLiteral("Temporary (Inactive)")), 0, 2);
    grid->addWidget(BuildMoveButtons(List::Exclude), 1, 1);
    grid->addWidget(BuildListColumn(List::Exclude, QStringLiteral("Exclude")), 1, 2);

    auto* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(BuildRules());
    layout->addWidget(buttons);
    LoadFromOptions();
    resize(900, 600);
}

QListWidget& FoldersDialog::ListOf(List which) {
    switch (which) {
        case List::Temporary: return *temporary_;
        case List::Exclude: return *exclude_;
        case List::Include: break;
    }
    return *include_;
}

QWidget* FoldersDialog::BuildListColumn(List which, const QString& caption) {
    static const char* const suffix[] = {"Include", "Temporary", "Exclude"};
    const QString name = QString::fromLatin1(suffix[int(which)]);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(new QLabel(caption));
    layout->addWidget(&ListOf(which));
    auto* row = new QHBoxLayout;
    auto* add = NamedButton(QStringLiteral("Add Folders"), "add" + name);
    auto* remove = NamedButton(QStringLiteral("Delete Folders"), "delete" + name);
    auto* removeAll = NamedButton(QStringLiteral("Remove all Folders"), "removeAll" + name);
    connect(add, &QPushButton::clicked, this, [this, which] { AddFolder(which); });
    connect(remove, &QPushButton::clicked, this, [this, which] { DeleteFolders(which, false); });
    connect(removeAll, &QPushButton::clicked, this, [this, which] { DeleteFolders(which, true); });
    row->addWidget(add);
    row->addWidget(remove);
    row->addWidget(removeAll);
    layout->addLayout(row);
    return column;
}

// ">" and ">>" move from Include to the other list, "<" and "<<" back.
QWidget* FoldersDialog::BuildMoveButtons(List other) {
    const QString name = other == List::Temporary ? QStringLiteral("Temporary") : QStringLiteral("Exclude");
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addStretch();
    auto* to = NamedButton(QStringLiteral(">"), "to" + name);
    auto* from = NamedButton(QStringLiteral("<"), "from" + name);
    auto* allTo = NamedButton(QStringLiteral(">>"), "allTo" + name);
    auto* allFrom = NamedButton(QStringLiteral("<<"), "allFrom" + name);
    connect(to, &QPushButton::clicked, this, [this, other] { MoveFolders(List::Include, other, false); });
    connect(from, &QPushButton::clicked, this, [this, other] { MoveFolders(other, List::Include, false); });
    connect(allTo, &QPushButton::clicked, this, [this, other] { MoveFolders(List::Include, other, true); });
    connect(allFrom, &QPushButton::clicked, this, [this, other] { MoveFolders(other, List::Include, true); });
    for (QPushButton* b : {to, from, allTo, allFrom}) {
        b->setMaximumWidth(40);
        layout->addWidget(b);
    }
    layout->addStretch();
    return column;
}

QWidget* FoldersDialog::BuildRules() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    subfolders_ = new QCheckBox(QStringLiteral("Search subfolders"));
    confirm_ = new QCheckBox(QStringLiteral("Confirm operations"));
    includeRule_ = new QCheckBox(QStringLiteral(
        "Search only in folder(s) that contain TERM(S) in their name(s) and are not excluded: "));
    excludeRule_ = new QCheckBox(QStringLiteral("Exclude folder(s) from Search that contain TERM(S) in their name(s) : "));
    includeTerms_ = new QLineEdit;
    excludeTerms_ = new QLineEdit;
    subfolders_->setObjectName(QStringLiteral("subfolders"));
    confirm_->setObjectName(QStringLiteral("confirm"));
    includeRule_->setObjectName(QStringLiteral("includeRule"));
    excludeRule_->setObjectName(QStringLiteral("excludeRule"));
    includeTerms_->setObjectName(QStringLiteral("includeTerms"));
    excludeTerms_->setObjectName(QStringLiteral("excludeTerms"));
    grid->addWidget(subfolders_, 0, 0);
    grid->addWidget(confirm_, 0, 1);
    grid->addWidget(includeRule_, 1, 0);
    grid->addWidget(includeTerms_, 1, 1);
    grid->addWidget(excludeRule_, 2, 0);
    grid->addWidget(excludeTerms_, 2, 1);
    return box;
}

void FoldersDialog::LoadFromOptions() {
    const std::pair<List, Opt> lists[] = {
        {List::Include, Opt::DIRECTORIS}, {List::Temporary, Opt::EXCDIRECTS}, {List::Exclude, Opt::IGNDIRECTS}};
    for (const auto& [which, option] : lists)
        for (const std::string& folder : options_.List(option)) AddListItem(ListOf(which), QString::fromStdString(folder));
    subfolders_->setChecked(options_.On(Opt::SUBFOLDERS));
    confirm_->setChecked(options_.On(Opt::FOLCONFIRM));
    includeRule_->setChecked(options_.On(Opt::FOLDSTRCHK));
    excludeRule_->setChecked(options_.On(Opt::FOLDESTRCH));
    includeTerms_->setText(Trimmed(options_.Text(Opt::FOLDCRITER)));
    excludeTerms_->setText(Trimmed(options_.Text(Opt::FOLDECRITE)));
}

bool FoldersDialog::RefuseDuplicate(List which, const QString& folder) {
    std::vector<std::pair<List, DuplicateRule>> checks;
    if (which == List::Include) checks = {{List::Include, kInIncluded}, {List::Exclude, kIncludeInIgnore}};
    if (which == List::Temporary) checks = {{List::Temporary, kInReserved}};
    if (which == List::Exclude) checks = {{List::Exclude, kInIgnored}, {List::Include, kExcludeInInclude}};
    for (const auto& [list, rule] : checks) {
        if (!ListHolds(ListOf(list), folder, kSamePath)) continue;
        messages_.Show(WarningMessage(rule.caption, rule.text));
        return true;
    }
    return false;
}

void FoldersDialog::AddFolder(List which) {
    const QString folder = chooser_ ? chooser_() : QString();
    if (folder.isEmpty() || RefuseDuplicate(which, folder)) return;
    AddListItem(ListOf(which), folder);
}

void FoldersDialog::DeleteFolders(List which, bool all) {
    // Captions 0163/0164 Include, 0165/0166 Temporary, 0167/0168 Exclude.
    const int number = 163 + 2 * int(which) + (all ? 1 : 0);
    ListEditorRules rules;
    rules.captionPrefix = "Warning !    Msg no: 0" + std::to_string(number);
    rules.confirm = confirm_->isChecked();
    rules.sameText = kSamePath;
    if (all)
        DeleteAll(ListOf(which), rules, messages_);
    else
        DeleteSelected(ListOf(which), rules, messages_);
}

void FoldersDialog::MoveFolders(List from, List to, bool all) {
    ListEditorRules rules;
    rules.sameText = kSamePath;
    if (all) {
        MoveAll(ListOf(from), ListOf(to), rules);
        return;
    }
    const bool toTemporary = to == List::Temporary || from == List::Temporary;
    const int base = toTemporary ? 169 : 171;
    rules.captionPrefix = "Warning !    Msg no: 0" + std::to_string(base + (from == List::Include ? 0 : 1));
    MoveSelected(ListOf(from), ListOf(to), rules, messages_);
}

void FoldersDialog::accept() {
    options_.SetList(Opt::DIRECTORIS, ToOptionList(*include_));
    options_.SetList(Opt::EXCDIRECTS, ToOptionList(*temporary_));
    options_.SetList(Opt::IGNDIRECTS, ToOptionList(*exclude_));
    options_.SetInt(Opt::SUBFOLDERS, subfolders_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::FOLCONFIRM, confirm_->isChecked() ? 1 : 0);
    StoreRule(options_, Opt::FOLDSTRCHK, Opt::FOLDCRITER, *includeRule_, *includeTerms_);
    StoreRule(options_, Opt::FOLDESTRCH, Opt::FOLDECRITE, *excludeRule_, *excludeTerms_);
    QDialog::accept();
}

}  // namespace qf::shell
