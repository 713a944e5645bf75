#include "shell/preferences_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "archive/search_folders.h"
#include "shell/dialog_parts.h"

namespace qf::shell {
namespace {

QCheckBox* Box(const char* text, const char* name, bool checked) {
    auto* box = new QCheckBox(QString::fromLatin1(text));
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QPushButton* Button(const char* text, const char* name) {
    auto* button = NamedButton(QString::fromLatin1(text), QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// A limit of our own; 0 stands for none.
QSpinBox* Limit(const char* name, int value, int maximum, const char* suffix) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, maximum);
    box->setValue(std::clamp(value, 0, maximum));
    box->setSuffix(QString::fromLatin1(suffix));
    box->setSpecialValueText(QStringLiteral("no limit"));
    return box;
}

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// The dialog text when set, else the working folder the next search uses.
std::string FolderText(const Options& o, Opt dialogText, const std::string& workFolder) {
    return Blank(o.Text(dialogText)) ? workFolder : o.Text(dialogText);
}

}  // namespace

PreferencesDialog::PreferencesDialog(Options& options, StatisticsWindow& statistics, UserMessages& messages,
                                     std::string appHome, QWidget* parent)
    : QDialog(parent), options_(options), statistics_(statistics), messages_(messages), appHome_(std::move(appHome)) {
    setWindowTitle(QStringLiteral("Preferences."));
    setObjectName(QStringLiteral("preferencesDialog"));
    endMessage_ = Box("Confirm End Message.", "endMessage", options_.On(Opt::SEARCHENDC));
    endSound_ = Box("Confirm End Sound.", "endSound", options_.On(Opt::SEARCHENDB));
    showSummary_ = Box("Automatically displayed the Summary window when start a search process. ", "showSummary",
                       !options_.On(Opt::SUMSHWHIDE));
    showWarning_ = Box("Automatically displayed the warning window when start a search process. ", "showWarning",
                       !options_.On(Opt::WARNINGTMP));
    restoreLast_ = Box("Restore the last folders, query and options at start", "restoreLast",
                       options_.On(Opt::RESTORELST));

    convTimeLimit_ = Limit("convTimeLimit", options_.Int(Opt::CONVTIMELM), 86400, " s");
    zipRatioLimit_ = Limit("zipRatioLimit", options_.Int(Opt::ZIPRATIOLM), 1000000, " : 1");
    zipBudget_ = Limit("zipBudget", options_.Int(Opt::ZIPBUDGETM), 1 << 30, " MiB");
    zipBudget_->setSpecialValueText(QStringLiteral("half the free space"));

    auto* show = Button("Show", "showTemporary");
    auto* close = Button("CLOSE", "close");
    close->setDefault(true);
    connect(show, &QPushButton::clicked, this, &PreferencesDialog::ShowTemporaryFolders);
    connect(close, &QPushButton::clicked, this, &PreferencesDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {endMessage_, endSound_, showSummary_, showWarning_, restoreLast_}) layout->addWidget(box);
    auto* limits = new QFormLayout;
    limits->addRow(QStringLiteral("Time limit of one Word or Pdf conversion :"), convTimeLimit_);
    limits->addRow(QStringLiteral("Largest expansion of a Zip file over 1 MiB :"), zipRatioLimit_);
    limits->addRow(QStringLiteral("Most data unzipped in one search :"), zipBudget_);
    layout->addLayout(limits);
    auto* folders = new QHBoxLayout;
    folders->addWidget(new QLabel(QStringLiteral("Temporary folders ")));
    folders->addWidget(show);
    folders->addStretch();
    folders->addWidget(close);
    layout->addLayout(folders);
}

void PreferencesDialog::ShowTemporaryFolders() {
    const SearchFolders work = SearchFoldersOf(options_, appHome_);
    Message message;
    message.caption = "Temporary folders";
    message.text = "Temporary folder for converting WORD documents : " +
                   FolderText(options_, Opt::WRDDFLEDIT, work.wordWorkFolder) + "\n\n" +
                   "Temporary folder for converting PDF documents : " +
                   FolderText(options_, Opt::PDFDFLEDIT, work.pdfWorkFolder) + "\n\n" +
                   "Temporary folder for unzipping ZIP files : " +
                   FolderText(options_, Opt::ARCDFLEDIT, work.zipWorkFolder);
    messages_.Show(message);
}

void PreferencesDialog::accept() {
    options_.SetInt(Opt::SEARCHENDC, endMessage_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::SEARCHENDB, endSound_->isChecked() ? 1 : 0);
    options_.SetInt(Opt::SUMSHWHIDE, showSummary_->isChecked() ? 0 : 1);
    options_.SetInt(Opt::WARNINGTMP, showWarning_->isChecked() ? 0 : 1);
    options_.SetInt(Opt::CONVTIMELM, convTimeLimit_->value());
    options_.SetInt(Opt::ZIPRATIOLM, zipRatioLimit_->value());
    options_.SetInt(Opt::ZIPBUDGETM, zipBudget_->value());
    options_.SetInt(Opt::RESTORELST, restoreLast_->isChecked() ? 1 : 0);
    statistics_.SetKeepHidden(!showSummary_->isChecked());
    QDialog::accept();
}

}  // namespace qf::shell
