#include "shell/settings_commands.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QRadioButton>
#include <QTextEdit>

#include "platform/paths.h"
#include "settings/settings_file.h"
#include "shell/mode_rules.h"
#include "textsearch/query_terms.h"

namespace qf::shell {
namespace {

const char* const kSetFilter = "Text Files (*.SET);;All Files (*.*)";

Message SettingsNotSaved() {
    Message m = ErrorMessage("Severe Error!    Msg no: 0010.",
                             "Settings aren't saved !\n\nAction: Try to save again the settings or \n\n"
                             "immediately e-mail us, please!");
    m.ownedByMainWindow = true;
    return m;
}

Message TermsNotSaved() {
    Message m = ErrorMessage("Severe Error!    Msg no: 0012.",
                             "Search term(s) isn't/aren't saved !\n\nAction: Try to save again the search term(s) or \n\n"
                             "immediately e-mail us, please!");
    m.ownedByMainWindow = true;
    return m;
}

std::vector<std::string> ComboItems(const QComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i) items.push_back(box.itemText(i).toStdString());
    return items;
}

}  // namespace

SettingsCommands::SettingsCommands(Session& session, const MainControls& controls, UserMessages& messages,
                                   QWidget* owner, std::function<void()> controlsChanged)
    : session_(session), controls_(controls), messages_(messages), owner_(owner),
      controlsChanged_(std::move(controlsChanged)) {}

// Without an application home there are no default files.
std::string SettingsCommands::DefaultSettingsPath() const {
    return session_.AppHome().empty() ? std::string() : JoinPath(session_.AppHome(), "default.SET");
}

std::string SettingsCommands::DefaultTermsPath() const {
    return session_.AppHome().empty() ? std::string() : JoinPath(session_.AppHome(), "default.TRMS");
}

bool SettingsCommands::SaveSettingsTo(const std::string& path) {
    if (refreshFromToolWindows) refreshFromToolWindows();
    StoreControlsInOptions(controls_, session_.state.options);
    // The file holds both members of the mode choice; a search refreshes only the first.
    session_.state.options.SetInt(Opt::SRCTYOTHER, controls_.queryTextIn->isChecked() ? 1 : 0);
    return SaveSettingsFile(session_.state.options, path, messages_);
}

bool SettingsCommands::OpenSettingsFrom(const std::string& path) {
    if (!LoadSettingsFile(session_.state.options, path, messages_)) return false;
    if (controlsChanged_) controlsChanged_();
    return true;
}

void SettingsCommands::OpenSearchLogic() {
    const QString name = QFileDialog::getOpenFileName(owner_, QStringLiteral("Open Search Logic"), lastName_,
                                                      QString::fromLatin1(kSetFilter));
    if (!name.isEmpty()) OpenSettingsFrom(name.toStdString());
}

void SettingsCommands::SaveSearchLogicAs() {
    QFileDialog dialog(owner_, QStringLiteral("Save Profile to file"), lastName_, QString::fromLatin1(kSetFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("SET"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    lastName_ = dialog.selectedFiles().front();
    SaveSettingsTo(lastName_.toStdString());
}

void SettingsCommands::OpenSettings() {
    const std::string path = DefaultSettingsPath();
    if (!path.empty()) OpenSettingsFrom(path);
}

void SettingsCommands::SaveSettings() {
    const std::string path = DefaultSettingsPath();
    if (path.empty()) {
        messages_.Show(SettingsNotSaved());
        return;
    }
    SaveSettingsTo(path);
}

namespace {

OptionList NamesOf(const std::string& text, const Options& o, UserMessages& messages) {
    OptionList names;
    if (ParseQueryTerms(text, o.Text(Opt::SEPARATORH), names, messages) == 0) return {};
    return names;
}

}  // namespace

SearchTermsData SettingsCommands::TermsFromControls() const {
    const Options& o = session_.state.options;
    SearchTermsData terms;
    const DropDowns lists = readDropDowns ? readDropDowns() : DropDowns{o.List(Opt::FILENAMES1), o.List(Opt::ZFILENAMES)};
    terms.fileNameHistory = lists.fileNames;
    terms.fileNameText = o.Text(Opt::CRFILETEXT);
    terms.queryHistory = ComboItems(*controls_.standardBox);
    terms.standardQuery = controls_.standardBox->currentText().toStdString();
    terms.booleanQuery = controls_.booleanEditor->toPlainText().toStdString();
    terms.zipHistory = lists.zipNames;
    terms.zipText = o.Text(Opt::ZFNDFLTEXT);
    return terms;
}

void SettingsCommands::ShowTerms(const SearchTermsData& terms) {
    Options& o = session_.state.options;
    // The names to search are those of the restored texts; the drop-down
    // lists only offer earlier texts.
    o.SetText(Opt::CRFILETEXT, terms.fileNameText);
    o.SetList(Opt::FILENAMES1, NamesOf(terms.fileNameText, o, messages_));
    o.SetText(Opt::ZFNDFLTEXT, terms.zipText);
    o.SetList(Opt::ZFILENAMES, NamesOf(terms.zipText, o, messages_));
    if (restoreDropDowns) restoreDropDowns({terms.fileNameHistory, terms.zipHistory});
    controls_.standardBox->clear();
    for (const std::string& item : terms.queryHistory) controls_.standardBox->addItem(QString::fromStdString(item));
    controls_.standardBox->setEditText(QString::fromStdString(terms.standardQuery));
    controls_.booleanEditor->setPlainText(QString::fromStdString(terms.booleanQuery));
}

void SettingsCommands::OpenTerms() {
    const std::string path = DefaultTermsPath();
    SearchTermsData terms;
    if (!path.empty() && LoadSearchTermsFile(terms, path, messages_)) ShowTerms(terms);
}

void SettingsCommands::SaveTerms() {
    const std::string path = DefaultTermsPath();
    if (path.empty()) {
        messages_.Show(TermsNotSaved());
        return;
    }
    StoreControlsInOptions(controls_, session_.state.options);
    SaveSearchTermsFile(TermsFromControls(), path, messages_);
}

std::string SettingsCommands::LastSessionPath(const char* extension) const {
    return session_.AppHome().empty() ? std::string()
                                      : JoinPath(session_.AppHome(), std::string("last-session.") + extension);
}

void SettingsCommands::SaveLastSession() {
    const std::string settings = LastSessionPath("SET");
    const std::string terms = LastSessionPath("TRMS");
    if (settings.empty()) return;
    StoreControlsInOptions(controls_, session_.state.options);
    if (refreshFromToolWindows) refreshFromToolWindows();
    if (!session_.state.options.On(Opt::RESTORELST)) {
        QFile::remove(QString::fromStdString(settings));
        QFile::remove(QString::fromStdString(terms));
        return;
    }
    SaveSettingsFile(session_.state.options, settings, messages_);
    SaveSearchTermsFile(TermsFromControls(), terms, messages_);
}

void SettingsCommands::RestoreLastSession() {
    const std::string settings = LastSessionPath("SET");
    if (settings.empty() || !QFile::exists(QString::fromStdString(settings))) return;
    if (!OpenSettingsFrom(settings)) return;
    SearchTermsData terms;
    const std::string termsPath = LastSessionPath("TRMS");
    if (QFile::exists(QString::fromStdString(termsPath)) && LoadSearchTermsFile(terms, termsPath, messages_))
        ShowTerms(terms);
}

}  // namespace qf::shell
