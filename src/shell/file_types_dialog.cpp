#include "shell/file_types_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialog_parts.h"
#include "shell/list_editor.h"

namespace qf::shell {
namespace {

// The type every name without an extension has; it cannot be deleted.
const QString kNoExtension = QStringLiteral("noext");

QComboBox* HistoryBox(const char* name) {
    auto* box = Named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QListWidget* TypeList(const char* name) {
    auto* list = SelectableList(QString::fromLatin1(name));
    list->setSortingEnabled(true);
    return list;
}

void FillList(QListWidget& list, const OptionMap& map) {
    list.clear();
    for (const auto& [type, value] : map) AddListItem(list, QString::fromStdString(type), value);
}

OptionMap MapOf(const QListWidget& list) {
    OptionMap map;
    for (int i = 0; i < list.count(); ++i)
        map.emplace(list.item(i)->text().toStdString(), list.item(i)->data(Qt::UserRole).toInt());
    return map;
}

QStringList ToQStrings(const OptionList& list) {
    QStringList out;
    for (const std::string& text : list) out << QString::fromStdString(text);
    return out;
}

QString Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

Message IncludeListEmpty() {
    return WarningMessage("Warning    Msg no: 0108.",
                          "Included window is empty !\n\nAction: You must enter at least one file type.");
}

}  // namespace

QString ActiveFilePatterns(const Options& options) {
    const OptionList& patterns = options.List(Opt::FILENAMES1);
    if (options.On(Opt::MATCHFILTY) || patterns.empty()) return QStringLiteral("*.*");
    const QString mark = QString::fromStdString(options.Text(Opt::SEPARATORH));
    QStringList texts;
    for (const std::string& pattern : patterns) {
        const QString text = QString::fromStdString(pattern);
        texts << (text.contains(QLatin1Char(' ')) ? mark + text + mark : text);
    }
    return texts.join(QLatin1Char(' '));
}

FileTypesDialog::FileTypesDialog(Options& options, UserMessages& messages, QWidget* parent)
    : QDialog(parent), options_(options), messages_(messages) {
    setWindowTitle(QStringLiteral("File name(s) and type(s) settings"));
    setObjectName(QStringLiteral("fileTypesDialog"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildNames());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildTypeChoice());
    middle->addWidget(BuildTypeLists(), 1);
    layout->addLayout(middle);
    layout->addWidget(BuildTermRules());
    layout->addWidget(BuildButtons());
    LoadFromOptions();
    resize(820, 620);
}

QWidget* FileTypesDialog::BuildNames() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    unzip_ = Named(new QCheckBox(QStringLiteral("UNZIP")), "unzip");
    zipNames_ = HistoryBox("zipNames");
    byNames_ = Named(new QRadioButton(QStringLiteral("File names and extensions")), "byNames");
    byTypes_ = Named(new QRadioButton(QStringLiteral("File extensions (types)")), "byTypes");
    fileNames_ = HistoryBox("fileNames");
    grid->addWidget(unzip_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("ZIP File names : ")), 0, 1);
    grid->addWidget(zipNames_, 0, 2);
    grid->addWidget(byNames_, 1, 0, 1, 2);
    grid->addWidget(fileNames_, 1, 2);
    grid->addWidget(
        new QLabel(QStringLiteral("File names/extensions - wildcard supported   ( *.*   a*.txt   b?.html )")), 2, 2);
    grid->addWidget(byTypes_, 3, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    connect(unzip_, &QCheckBox::toggled, this, &FileTypesDialog::UpdateEnabling);
    connect(byNames_, &QRadioButton::toggled, this, &FileTypesDialog::UpdateEnabling);
    connect(byTypes_, &QRadioButton::clicked, this, &FileTypesDialog::ChooseByTypes);
    return box;
}

QWidget* FileTypesDialog::BuildTypeChoice() {
    auto* group = new QGroupBox(QStringLiteral("Selected File Types"));
    auto* layout = new QVBoxLayout(group);
    allTypes_ = Named(new QRadioButton(QStringLiteral("All file types")), "allTypes");
    exceptExcluded_ = Named(new QRadioButton(QStringLiteral("All except excluded")), "exceptExcluded");
    includedOnly_ = Named(new QRadioButton(QStringLiteral("Included file types only")), "includedOnly");
    selectOne_ = Named(new QRadioButton(QStringLiteral("Select one:")), "selectOne");
    selectOneType_ = Named(new QComboBox, "selectOneType");
    for (QRadioButton* radio : {allTypes_, exceptExcluded_, includedOnly_, selectOne_}) layout->addWidget(radio);
    layout->addWidget(selectOneType_);
    layout->addStretch();
    return group;
}

QWidget* FileTypesDialog::BuildTypeLists() {
    auto* group = new QGroupBox(QStringLiteral("File types"));
    auto* grid = new QGridLayout(group);
    typeEdit_ = Named(new QLineEdit, "typeEdit");
    auto* add = Named(new QPushButton(QStringLiteral("Add ")), "addType");
    include_ = TypeList("includeList");
    exclude_ = TypeList("excludeList");
    confirm_ = Named(new QCheckBox(QStringLiteral("Confirm operations")), "confirm");
    grid->addWidget(new QLabel(QStringLiteral("Add file type:")), 0, 0);
    grid->addWidget(typeEdit_, 0, 1);
    grid->addWidget(add, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Include")), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Exclude")), 1, 2);
    grid->addWidget(include_, 2, 0, 1, 2);
    grid->addWidget(exclude_, 2, 2);

    auto* moves = new QHBoxLayout;
    const std::tuple<const char*, const char*, bool, bool> moveButtons[] = {
        {">", "toExclude", true, false}, {"<", "toInclude", false, false},
        {">>", "allToExclude", true, true}, {"<<", "allToInclude", false, true}};
    for (const auto& [text, name, toExclude, all] : moveButtons) {
        auto* button = Named(new QPushButton(QString::fromLatin1(text)), name);
        connect(button, &QPushButton::clicked, this, [this, toExclude, all] { MoveTypes(toExclude, all); });
        moves->addWidget(button);
    }
    grid->addLayout(moves, 3, 0, 1, 3);

    auto* deletes = new QHBoxLayout;
    auto* remove = Named(new QPushButton(QStringLiteral("Delete item ")), "deleteItem");
    auto* removeAll = Named(new QPushButton(QStringLiteral("Remove all items ")), "removeAllItems");
    deletes->addWidget(remove);
    deletes->addWidget(removeAll);
    deletes->addWidget(confirm_);
    grid->addLayout(deletes, 4, 0, 1, 3);

    connect(add, &QPushButton::clicked, this, &FileTypesDialog::AddType);
    connect(typeEdit_, &QLineEdit::returnPressed, this, &FileTypesDialog::AddType);
    connect(remove, &QPushButton::clicked, this, [this] { DeleteTypes(false); });
    connect(removeAll, &QPushButton::clicked, this, [this] { DeleteTypes(true); });
    return group;
}

QWidget* FileTypesDialog::BuildTermRules() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    includeRule_ = Named(new QCheckBox(QStringLiteral(
                             "Search only in file(s) that contain TERM(S) in their name(s) and are not excluded : ")),
                         "includeRule");
    excludeRule_ = Named(new QCheckBox(QStringLiteral("Exclude file(s) from Search that contain TERM(S) in their name(s) : ")),
                         "excludeRule");
    includeTerms_ = Named(new QLineEdit, "includeTerms");
    excludeTerms_ = Named(new QLineEdit, "excludeTerms");
    grid->addWidget(includeRule_, 0, 0);
    grid->addWidget(includeTerms_, 0, 1);
    grid->addWidget(excludeRule_, 1, 0);
    grid->addWidget(excludeTerms_, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* FileTypesDialog::BuildButtons() {
    auto* buttons = OkCancelButtons(*this);
    return buttons;
}

void FileTypesDialog::LoadFromOptions() {
    const FileDialogValues v = FileDialogFromOptions(options_);
    unzip_->setChecked(v.unzip);
    zipHistory_.Fill(*zipNames_, ToQStrings(options_.List(Opt::ZFILENAMES)), Trimmed(v.zipNamesText));
    (v.byTypes ? byTypes_ : byNames_)->setChecked(true);
    // The field starts with the patterns in use, so that OK without typing keeps them.
    const QString names = Trimmed(v.fileNamesText);
    fileNameHistory_.Fill(*fileNames_, ToQStrings(options_.List(Opt::FILENAMES1)),
                          names.isEmpty() ? ActiveFilePatterns(options_) : names);
    FillList(*include_, v.include);
    FillList(*exclude_, v.exclude);
    RefillSelectOne(QString::fromStdString(v.selectOneText), v.selectOneIndex);
    QRadioButton* const byChoice[] = {allTypes_, exceptExcluded_, includedOnly_, selectOne_};
    byChoice[int(v.types)]->setChecked(true);
    confirm_->setChecked(v.confirm);
    includeRule_->setChecked(v.includeTermsOn);
    includeTerms_->setText(Trimmed(v.includeTerms));
    excludeRule_->setChecked(v.excludeTermsOn);
    excludeTerms_->setText(Trimmed(v.excludeTerms));
    typeEdit_->clear();
    UpdateEnabling();
}

void FileTypesDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) LoadFromOptions();
    QDialog::showEvent(event);
}

void FileTypesDialog::AddType() {
    OptionMap include = MapOf(*include_);
    if (!AddFileType(typeEdit_->text().toStdString(), include, MapOf(*exclude_), messages_)) return;
    for (const auto& [type, value] : include) {
        const QString text = QString::fromStdString(type);
        if (!ListHolds(*include_, text, Qt::CaseSensitive)) AddListItem(*include_, text, value);
    }
    typeEdit_->clear();
    IncludeListChanged();
}

void FileTypesDialog::MoveTypes(bool toExclude, bool all) {
    QListWidget& from = toExclude ? *include_ : *exclude_;
    QListWidget& to = toExclude ? *exclude_ : *include_;
    ListEditorRules rules;
    rules.captionPrefix = toExclude ? "Warning !    Msg no: 0159" : "Warning !    Msg no: 0160";
    if (all)
        MoveAll(from, to, rules);
    else
        MoveSelected(from, to, rules, messages_);
    IncludeListChanged();
}

// Deleting works on the Exclude list: a type leaves the Include list by
// being moved there first.
void FileTypesDialog::DeleteTypes(bool all) {
    ListEditorRules rules;
    rules.captionPrefix = all ? "Warning !    Msg no: 0162" : "Warning !    Msg no: 0161";
    rules.confirm = confirm_->isChecked();
    rules.protectedItem = kNoExtension;
    if (all)
        DeleteAll(*exclude_, rules, messages_);
    else
        DeleteSelected(*exclude_, rules, messages_);
}

void FileTypesDialog::IncludeListChanged() {
    RefillSelectOne(selectOneType_->currentText(), 0);
    UpdateEnabling();
}

// "Select one:" offers the Include list's types; the chosen one stays
// chosen while it is still there, else the one at `fallback` (or the first).
void FileTypesDialog::RefillSelectOne(const QString& keep, int fallback) {
    selectOneType_->clear();
    for (int i = 0; i < include_->count(); ++i) selectOneType_->addItem(include_->item(i)->text());
    int index = selectOneType_->findText(keep, Qt::MatchExactly);
    if (index < 0) index = fallback >= 0 && fallback < selectOneType_->count() ? fallback : 0;
    selectOneType_->setCurrentIndex(selectOneType_->count() > 0 ? index : -1);
}

void FileTypesDialog::ChooseByTypes() {
    if (include_->count() == 0) {
        messages_.Show(IncludeListEmpty());
        byNames_->setChecked(true);
    }
    UpdateEnabling();
}

// The choices that need a type list are off while the Include list is empty.
void FileTypesDialog::UpdateEnabling() {
    const bool haveTypes = include_->count() > 0;
    if (!haveTypes && (includedOnly_->isChecked() || selectOne_->isChecked())) allTypes_->setChecked(true);
    includedOnly_->setEnabled(haveTypes);
    selectOne_->setEnabled(haveTypes);
    selectOneType_->setEnabled(haveTypes);
    zipNames_->setEnabled(unzip_->isChecked());
    fileNames_->setEnabled(byNames_->isChecked());
}

TypeChoice FileTypesDialog::ChosenTypes() const {
    if (exceptExcluded_->isChecked()) return TypeChoice::ExceptExcluded;
    if (includedOnly_->isChecked()) return TypeChoice::IncludedOnly;
    if (selectOne_->isChecked()) return TypeChoice::SelectOne;
    return TypeChoice::All;
}

FileDialogValues FileTypesDialog::ValuesFromControls() const {
    FileDialogValues v;
    v.unzip = unzip_->isChecked();
    // A text of spaces only names nothing; the checks treat it as empty.
    v.zipNamesText = zipNames_->currentText().trimmed().toStdString();
    v.byTypes = byTypes_->isChecked();
    v.fileNamesText = fileNames_->currentText().trimmed().toStdString();
    v.types = ChosenTypes();
    v.selectOneText = selectOneType_->currentText().toStdString();
    v.selectOneIndex = std::max(0, selectOneType_->currentIndex());
    v.include = MapOf(*include_);
    v.exclude = MapOf(*exclude_);
    v.confirm = confirm_->isChecked();
    v.includeTermsOn = includeRule_->isChecked();
    v.includeTerms = includeTerms_->text().toStdString();
    v.excludeTermsOn = excludeRule_->isChecked();
    v.excludeTerms = excludeTerms_->text().toStdString();
    return v;
}

// The checks run on a copy, so that a refused OK followed by CANCEL leaves
// the options as they were.
void FileTypesDialog::accept() {
    const FileDialogValues values = ValuesFromControls();
    Options trial = options_;
    if (!ApplyFileDialog(values, trial, messages_)) return;
    options_ = std::move(trial);
    fileNameHistory_.Remember(QString::fromStdString(options_.Text(Opt::CRFILETEXT)));
    if (values.unzip) zipHistory_.Remember(QString::fromStdString(values.zipNamesText));
    QDialog::accept();
}

}  // namespace qf::shell

namespace qf::shell {
namespace {

std::vector<std::string> ToStrings(const QStringList& texts) {
    std::vector<std::string> out;
    for (const QString& text : texts) out.push_back(text.toStdString());
    return out;
}

QStringList FromStrings(const std::vector<std::string>& texts) {
    QStringList out;
    for (const std::string& text : texts) out << QString::fromStdString(text);
    return out;
}

}  // namespace

std::vector<std::string> FileTypesDialog::FileNameItems() const {
    return ToStrings(fileNameHistory_.Items(FromStrings(options_.List(Opt::FILENAMES1))));
}

std::vector<std::string> FileTypesDialog::ZipNameItems() const {
    return ToStrings(zipHistory_.Items(FromStrings(options_.List(Opt::ZFILENAMES))));
}

void FileTypesDialog::RestoreDropDowns(const std::vector<std::string>& fileNames,
                                       const std::vector<std::string>& zipNames) {
    fileNameHistory_.Replace(FromStrings(fileNames));
    zipHistory_.Replace(FromStrings(zipNames));
    LoadFromOptions();
}

}  // namespace qf::shell
