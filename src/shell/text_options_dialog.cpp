#include "shell/text_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "shell/dialog_parts.h"
#include "textsearch/text_options_checks.h"

namespace qf::shell {
namespace {

// The phrase marks offered, in this order.
const char* const kMarks[] = {"\"", "'", "|", "~", ";", ":", "#", "&", "@", "$", "<", ">", ".", "-", "_"};

std::string TrimSpaces(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string Text(const QLineEdit& edit) { return edit.text().toStdString(); }

// An exclusive group refuses to uncheck its checked button directly.
void ClearGroup(QButtonGroup& group) {
    group.setExclusive(false);
    for (QAbstractButton* b : group.buttons()) b->setChecked(false);
    group.setExclusive(true);
}

void EnableGroup(const QButtonGroup& group, bool on) {
    for (QAbstractButton* b : group.buttons()) b->setEnabled(on);
}

QLineEdit* NumberField(const char* name) {
    auto* edit = Named(new QLineEdit, name);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), edit));
    return edit;
}

// An empty selector keeps the choice it had.
void StoreSelector(Options& options, Opt option, const QComboBox& combo) {
    if (combo.count() == 0) return;
    OptionValue& value = options.Mutable(option);
    value.text = combo.currentText().toStdString();
    value.number = combo.currentIndex() < 0 ? 0 : combo.currentIndex();
}

void StoreLineNumber(Options& options, Opt option, const QLineEdit& edit) {
    int32_t number = 0;
    if (ParseLineNumber(Text(edit), number)) options.SetInt(option, number);
}

// An empty limit field keeps the limit it had.
void StoreLimit(Options& options, Opt option, const QLineEdit& edit) {
    if (!edit.text().isEmpty()) options.SetInt(option, edit.text().toLongLong());
}

}  // namespace

TextOptionsDialog::TextOptionsDialog(Options& options, UserMessages& messages, QWidget* parent)
    : QDialog(parent), options_(options), messages_(messages) {
    setWindowTitle(QStringLiteral("Text options"));
    setObjectName(QStringLiteral("textOptionsDialog"));
    setModal(true);
    caseSensitive_ = Named(new QCheckBox(QStringLiteral("Case sensitive")), "caseSensitive");
    officeDocs_ = Named(new QCheckBox(QStringLiteral("Search inside Office and OpenDocument files")), "officeDocs");
    regexTerms_ = Named(new QCheckBox(QStringLiteral("Terms are regular expressions")), "regexTerms");

    auto* grid = new QGridLayout;
    auto* caseRow = new QHBoxLayout;
    caseRow->addWidget(caseSensitive_);
    caseRow->addWidget(regexTerms_);
    grid->addLayout(caseRow, 0, 0);
    grid->addWidget(BuildFileMode(), 1, 0);
    grid->addWidget(BuildOneLine(), 2, 0);
    grid->addWidget(BuildWholePart(), 3, 0);
    grid->addWidget(BuildDelimiters(), 4, 0);
    grid->addWidget(BuildMark(), 5, 0);
    grid->addWidget(BuildCondition(true), 0, 1, 2, 1);
    grid->addWidget(BuildCondition(false), 2, 1);
    grid->addWidget(BuildComments(), 3, 1, 2, 1);
    grid->addWidget(BuildLimits(), 5, 1);

    auto* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(officeDocs_);
    layout->addWidget(buttons);
    LoadFromOptions();
    ConnectRules();
    OneLineToggled(oneLine_->isChecked());
}

QRadioButton* TextOptionsDialog::Radio(QButtonGroup* group, const QString& caption, const char* name, Opt option) {
    auto* radio = Named(new QRadioButton(caption), name);
    group->addButton(radio);
    radioOptions_.emplace_back(radio, option);
    return radio;
}

QGroupBox* TextOptionsDialog::BuildFileMode() {
    auto* box = new QGroupBox(QStringLiteral("Term(s) / exact phrase(s) in file"));
    fileMode_ = new QButtonGroup(this);
    allWords_ = Radio(fileMode_, QStringLiteral("Containing ALL              (.AND.)"), "allWords", Opt::CKALLWORDS);
    anyWords_ = Radio(fileMode_, QStringLiteral("Containing ANY             (.OR.)"), "anyWords", Opt::CKANYWORDS);
    notContain_ =
        Radio(fileMode_, QStringLiteral("NOT containg at all       (.NOT. .OR.)"), "notContain", Opt::NOTCONTAIN);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* w : {allWords_, anyWords_, notContain_}) layout->addWidget(w);
    return box;
}

QGroupBox* TextOptionsDialog::BuildOneLine() {
    auto* box = new QGroupBox(QStringLiteral("All  term(s) / phrase(s) in one line"));
    oneLine_ = Named(new QCheckBox(QStringLiteral("Selected")), "oneLine");
    order_ = new QButtonGroup(this);
    anyOrder_ = Radio(order_, QStringLiteral("In any order"), "anyOrder", Opt::INANYORDER);
    givenOrder_ = Radio(order_, QStringLiteral("In given order"), "givenOrder", Opt::INGIVORDER);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* w : std::initializer_list<QWidget*>{oneLine_, anyOrder_, givenOrder_}) layout->addWidget(w);
    return box;
}

QGroupBox* TextOptionsDialog::BuildWholePart() {
    auto* box = new QGroupBox(QStringLiteral("Whole or part term(s) / phrase(s)"));
    wholePart_ = new QButtonGroup(this);
    bothParts_ = Radio(wholePart_, QStringLiteral("Both (Whole and Part)"), "bothParts", Opt::ALLWORDPRT);
    wholeOnly_ = Radio(wholePart_, QStringLiteral("Whole term(s) / phrase(s)"), "wholeOnly", Opt::WHOLEWORDS);
    partOnly_ = Radio(wholePart_, QStringLiteral("Part of term(s) / phrase(s)"), "partOnly", Opt::PARTSWORDS);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* w : {bothParts_, wholeOnly_, partOnly_}) layout->addWidget(w);
    return box;
}

QGroupBox* TextOptionsDialog::BuildDelimiters() {
    auto* box = new QGroupBox(QStringLiteral("Delimiters"));
    delimiterChoice_ = new QButtonGroup(this);
    includedDelimiters_ =
        Radio(delimiterChoice_, QStringLiteral("Included delimiters"), "includedDelimiters", Opt::INCDELIMTS);
    oneDelimiter_ = Radio(delimiterChoice_, QStringLiteral("Select one:"), "oneDelimiter", Opt::SELONEDELM);
    delimiterCombo_ = Named(new QComboBox, "delimiterCombo");
    auto* manage = Named(new QPushButton(QStringLiteral("Manage delimiters")), "manageDelimiters");
    connect(manage, &QPushButton::clicked, this, [this] { OpenListDialog(ListDialogKind::Delimiters); });
    auto* grid = new QGridLayout(box);
    grid->addWidget(includedDelimiters_, 0, 0);
    grid->addWidget(manage, 0, 1);
    grid->addWidget(oneDelimiter_, 1, 0);
    grid->addWidget(delimiterCombo_, 1, 1);
    return box;
}

QGroupBox* TextOptionsDialog::BuildMark() {
    auto* box = new QGroupBox(QStringLiteral("Mark(s) for defining phrases in queries"));
    markCombo_ = Named(new QComboBox, "markCombo");
    for (const char* mark : kMarks) markCombo_->addItem(QString::fromLatin1(mark));
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("Choose a mark :")));
    layout->addWidget(markCombo_);
    return box;
}

QGroupBox* TextOptionsDialog::BuildCondition(bool start) {
    auto* box = new QGroupBox(start ? QStringLiteral("Condition to start in file")
                                    : QStringLiteral("Condition to stop in file"));
    auto* check = Named(new QCheckBox(QStringLiteral("Selected")), start ? "startCheck" : "stopCheck");
    auto* group = new QButtonGroup(this);
    auto* byLine = start ? Radio(group, QStringLiteral("Start line number:"), "startByLine", Opt::STARTLNRAD)
                         : Radio(group, QStringLiteral("Stop line number:"), "stopByLine", Opt::LINENRADIO);
    auto* byTerm = start ? Radio(group, QStringLiteral("Start term/phrase:"), "startByTerm", Opt::STARTTRADO)
                         : Radio(group, QStringLiteral("Stop term/phrase:"), "stopByTerm", Opt::TERMSRADIO);
    auto* line = Named(new QLineEdit, start ? "startLine" : "stopLine");
    auto* term = Named(new QLineEdit, start ? "startTerm" : "stopTerm");
    auto* grid = new QGridLayout(box);
    grid->addWidget(check, 0, 0);
    grid->addWidget(byLine, 1, 0);
    grid->addWidget(line, 1, 1);
    grid->addWidget(byTerm, 2, 0);
    grid->addWidget(term, 2, 1);
    (start ? startCheck_ : stopCheck_) = check;
    (start ? startBy_ : stopBy_) = group;
    (start ? startByLine_ : stopByLine_) = byLine;
    (start ? startByTerm_ : stopByTerm_) = byTerm;
    (start ? startLine_ : stopLine_) = line;
    (start ? startTerm_ : stopTerm_) = term;
    return box;
}

QGroupBox* TextOptionsDialog::BuildComments() {
    auto* box = new QGroupBox(QStringLiteral("Comments"));
    commentCheck_ = Named(new QCheckBox(QStringLiteral("Commented lines with results")), "commentCheck");
    commentShow_ = new QButtonGroup(this);
    notShowComments_ =
        Radio(commentShow_, QStringLiteral("Don't show commented results"), "notShowComments", Opt::NOTSHCMMNT);
    onlyComments_ = Radio(commentShow_, QStringLiteral("Show only commented results"), "onlyComments", Opt::ONLYSCMMNT);
    bothComments_ = Radio(commentShow_, QStringLiteral("Show both commented results"), "bothComments", Opt::BOTHCMMNTS);
    commentChoice_ = new QButtonGroup(this);
    includedComments_ = Radio(commentChoice_, QStringLiteral("Included comment characters"), "includedComments",
                              Opt::INCCOMCHAR);
    oneComment_ = Radio(commentChoice_, QStringLiteral("Select one:"), "oneComment", Opt::ONECOMCHAR);
    commentCombo_ = Named(new QComboBox, "commentCombo");
    auto* manage = Named(new QPushButton(QStringLiteral("Manage characters")), "manageComments");
    connect(manage, &QPushButton::clicked, this, [this] { OpenListDialog(ListDialogKind::Comments); });
    auto* grid = new QGridLayout(box);
    grid->addWidget(commentCheck_, 0, 0, 1, 2);
    grid->addWidget(notShowComments_, 1, 0, 1, 2);
    grid->addWidget(onlyComments_, 2, 0, 1, 2);
    grid->addWidget(bothComments_, 3, 0, 1, 2);
    grid->addWidget(includedComments_, 4, 0);
    grid->addWidget(manage, 4, 1);
    grid->addWidget(oneComment_, 5, 0);
    grid->addWidget(commentCombo_, 5, 1);
    return box;
}

QGroupBox* TextOptionsDialog::BuildLimits() {
    auto* box = new QGroupBox(QStringLiteral("Lines with hits"));
    fileLimit_ = NumberField("fileLimit");
    runLimit_ = NumberField("runLimit");
    connect(fileLimit_, &QLineEdit::textEdited, this, [this] { LimitEdited(*fileLimit_, false); });
    connect(runLimit_, &QLineEdit::textEdited, this, [this] { LimitEdited(*runLimit_, true); });
    display_ = new QButtonGroup(this);
    displayAtOnce_ =
        Radio(display_, QStringLiteral("Display result lines - all at once"), "displayAtOnce", Opt::DISPLAYATE);
    displayOneByOne_ =
        Radio(display_, QStringLiteral("Display result lines - one by one"), "displayOneByOne", Opt::DISPLAYDUR);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Display number of lines with hits from the same file :")), 0, 0);
    grid->addWidget(fileLimit_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Limit the maximum number of lines with hits to :")), 1, 0);
    grid->addWidget(runLimit_, 1, 1);
    grid->addWidget(displayAtOnce_, 2, 0, 1, 2);
    grid->addWidget(displayOneByOne_, 3, 0, 1, 2);
    return box;
}

void TextOptionsDialog::LoadFromOptions() {
    LoadChoices();
    caseSensitive_->setChecked(options_.On(Opt::CASESENSIT));
    officeDocs_->setChecked(options_.On(Opt::CONVOFFICE));
    regexTerms_->setChecked(options_.On(Opt::REGEXTERMS));
    oneLine_->setChecked(options_.On(Opt::ALLINONECH));
    startCheck_->setChecked(options_.On(Opt::STARTCHECK));
    stopCheck_->setChecked(options_.On(Opt::CLINENUMBR));
    commentCheck_->setChecked(options_.On(Opt::CHECKCOMMT));
    startLine_->setText(QString::number(options_.Int(Opt::STARTLNUMB)));
    stopLine_->setText(QString::number(options_.Int(Opt::EDITLNUMBR)));
    startTerm_->setText(QString::fromStdString(TrimSpaces(options_.Text(Opt::STARTETRMS))));
    stopTerm_->setText(QString::fromStdString(TrimSpaces(options_.Text(Opt::EDITSTERMS))));
    fileLimit_->setText(QString::number(options_.Int(Opt::RESLINENUM)));
    runLimit_->setText(QString::number(options_.Int(Opt::SEARCHMAXL)));
    FillSelector(*delimiterCombo_, Opt::INCDELMMAP, QString::fromStdString(options_.Text(Opt::SELONEDLMN)));
    FillSelector(*commentCombo_, Opt::INCCOMMMAP, QString::fromStdString(options_.Text(Opt::SELONECHAR)));
    const QString mark = QString::fromStdString(options_.Text(Opt::SEPARATORH));
    // A mark read from a settings file may lie outside the offered ones; keep it.
    if (markCombo_->findText(mark) < 0) markCombo_->addItem(mark);
    markCombo_->setCurrentIndex(markCombo_->findText(mark));
}

void TextOptionsDialog::LoadChoices() {
    for (const auto& [radio, option] : radioOptions_)
        if (options_.On(option)) radio->setChecked(true);
}

void TextOptionsDialog::FillSelector(QComboBox& combo, Opt map, const QString& keep) {
    combo.clear();
    for (const auto& [key, count] : options_.Map(map)) combo.addItem(QString::fromStdString(key));
    const int index = combo.findText(keep);
    combo.setCurrentIndex(index >= 0 ? index : 0);
}

void TextOptionsDialog::ConnectRules() {
    const auto update = [this] { UpdateEnabling(); };
    for (QButtonGroup* group : {fileMode_, startBy_, stopBy_, delimiterChoice_, commentChoice_})
        connect(group, &QButtonGroup::buttonToggled, this, update);
    for (QCheckBox* box : {startCheck_, stopCheck_, commentCheck_}) connect(box, &QCheckBox::toggled, this, update);
    connect(oneLine_, &QCheckBox::toggled, this, &TextOptionsDialog::OneLineToggled);
}

// The one-line rule exists only with "Containing ALL"; its order choices only
// while it is selected.
void TextOptionsDialog::UpdateEnabling() {
    const bool allWords = allWords_->isChecked();
    oneLine_->setEnabled(allWords);
    if (!allWords) oneLine_->setChecked(false);
    const bool ordered = allWords && oneLine_->isChecked();
    EnableGroup(*order_, ordered);
    if (!ordered) ClearGroup(*order_);

    const bool start = startCheck_->isChecked();
    EnableGroup(*startBy_, start);
    startLine_->setEnabled(start && startByLine_->isChecked());
    startTerm_->setEnabled(start && startByTerm_->isChecked());
    const bool stop = stopCheck_->isChecked();
    EnableGroup(*stopBy_, stop);
    stopLine_->setEnabled(stop && stopByLine_->isChecked());
    stopTerm_->setEnabled(stop && stopByTerm_->isChecked());

    delimiterCombo_->setEnabled(oneDelimiter_->isChecked());
    const bool comments = commentCheck_->isChecked();
    EnableGroup(*commentShow_, comments);
    EnableGroup(*commentChoice_, comments);
    commentCombo_->setEnabled(comments && oneComment_->isChecked());
}

// Selecting the one-line rule without an order would leave the line rule
// and its description disagreeing, so "In any order" is taken then.
void TextOptionsDialog::OneLineToggled(bool on) {
    UpdateEnabling();
    if (on && order_->checkedButton() == nullptr) anyOrder_->setChecked(true);
}

void TextOptionsDialog::LimitEdited(QLineEdit& field, bool runLimit) {
    if (field.text().isEmpty()) return;
    int64_t value = field.text().toLongLong();
    const std::optional<Message> message = runLimit ? CheckRunLimitTyped(value) : CheckFileLimitTyped(value);
    if (!message) return;
    messages_.Show(*message);
    field.setText(QString::number(value));
}

void TextOptionsDialog::OpenListDialog(ListDialogKind kind) {
    const bool delimiters = kind == ListDialogKind::Delimiters;
    ListSettingsDialog dialog(kind, options_, messages_, delimiters ? memory_->delimiters : memory_->comments, this);
    const int result = runListDialog ? runListDialog(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return;
    QComboBox& combo = delimiters ? *delimiterCombo_ : *commentCombo_;
    FillSelector(combo, delimiters ? Opt::INCDELMMAP : Opt::INCCOMMMAP, combo.currentText());
}

void TextOptionsDialog::accept() {
    TextOptionsFields fields;
    fields.startSelected = startCheck_->isChecked();
    fields.startByLine = startByLine_->isChecked();
    fields.startByTerm = startByTerm_->isChecked();
    fields.startLineText = Text(*startLine_);
    fields.startTermText = Text(*startTerm_);
    fields.stopSelected = stopCheck_->isChecked();
    fields.stopByLine = stopByLine_->isChecked();
    fields.stopByTerm = stopByTerm_->isChecked();
    fields.stopLineText = Text(*stopLine_);
    fields.stopTermText = Text(*stopTerm_);
    fields.mark = markCombo_->currentText().toStdString();
    if (const std::optional<Message> refusal = CheckTextOptions(fields)) {
        messages_.Show(*refusal);
        return;
    }
    StoreValues();
    QDialog::accept();
}

void TextOptionsDialog::StoreValues() {
    for (const auto& [radio, option] : radioOptions_) options_.SetInt(option, radio->isChecked() ? 1 : 0);
    options_.SetInt(Opt::CASESENSIT, caseSensitive_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::CONVOFFICE, officeDocs_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::REGEXTERMS, regexTerms_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::ALLINONECH, oneLine_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::STARTCHECK, startCheck_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::CLINENUMBR, stopCheck_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::CHECKCOMMT, commentCheck_->isChecked() ? 1 : 0);
    StoreLineNumber(options_, Opt::STARTLNUMB, *startLine_);
    StoreLineNumber(options_, Opt::EDITLNUMBR, *stopLine_);
    options_.SetText(Opt::STARTETRMS, TrimSpaces(Text(*startTerm_)));
    options_.SetText(Opt::EDITSTERMS, TrimSpaces(Text(*stopTerm_)));
    StoreLimit(options_, Opt::RESLINENUM, *fileLimit_);
    StoreLimit(options_, Opt::SEARCHMAXL, *runLimit_);
    StoreSelector(options_, Opt::SELONEDLMN, *delimiterCombo_);
    StoreSelector(options_, Opt::SELONECHAR, *commentCombo_);
    options_.SetText(Opt::SEPARATORH, markCombo_->currentText().toStdString());
}

}  // namespace qf::shell
