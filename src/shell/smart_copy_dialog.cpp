#include "shell/smart_copy_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "archive/search_folders.h"
#include "platform/case_fold.h"
#include "settings/choice_groups.h"
#include "shell/dialog_parts.h"
#include "smartcopy/smart_copy.h"

namespace qf::shell {
namespace {

constexpr int kDestinationLimit = 2000;

QLineEdit* Field(const char* name) {
    auto* field = Named(new QLineEdit, name);
    field->setReadOnly(true);
    return field;
}

QString Number(uint64_t value) { return QString::number(qulonglong(value)); }

bool Listed(const std::vector<std::string>& list, const std::string& folder) {
    for (const std::string& known : list)
        if (EqualsIgnoreCase(known, folder)) return true;
    return false;
}

}  // namespace

// Shows each copied file in the progress fields while the copy runs.
class SmartCopyDialog::Progress : public CopyProgress {
public:
    explicit Progress(SmartCopyDialog& dialog) : dialog_(dialog) {}

    void FileCopied(const std::string& from, const std::string& to, const CopyCounters& counters) override {
        dialog_.copyFrom_->setText(QString::fromStdString(from));
        dialog_.copyTo_->setText(QString::fromStdString(to));
        dialog_.copiedFiles_->setText(QString::number(counters.copied));
        dialog_.bytesCopied_->setText(Number(counters.bytes));
        // Repaint without taking clicks or keys: the copy is still on the stack.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    SmartCopyDialog& dialog_;
};

SmartCopyDialog::SmartCopyDialog(Session& session, UserMessages& messages, FolderChooser chooser, QWidget* parent)
    : QDialog(parent), session_(session), messages_(messages), chooser_(std::move(chooser)) {
    setWindowTitle(QStringLiteral("Copy results to the selected folder"));
    setObjectName(QStringLiteral("smartCopyDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildKinds());
    layout->addWidget(BuildDestination());
    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildLayouts());
    groups->addWidget(BuildCollisions());
    layout->addLayout(groups);
    layout->addWidget(BuildProgress());
    layout->addWidget(BuildButtons());

    info_ = ComputeCopyInfo(CopySourcesOf(session_.results.CopyStore()));
    LoadFromOptions();
    for (QCheckBox* box : {results_, word_, pdf_}) connect(box, &QCheckBox::toggled, this, &SmartCopyDialog::ShowTotals);
    ShowTotals();
    resize(720, 0);
}

QWidget* SmartCopyDialog::BuildKinds() {
    auto* box = new QGroupBox(QStringLiteral("Copy what ?"));
    auto* grid = new QGridLayout(box);
    results_ = Named(new QCheckBox(QStringLiteral("Results")), "copyResults");
    word_ = Named(new QCheckBox(QStringLiteral("Converted WORD documents (txt)")), "copyWord");
    pdf_ = Named(new QCheckBox(QStringLiteral("Converted PDF documents (txt)")), "copyPdf");
    totalFiles_ = Field("totalFiles");
    totalBytes_ = Field("totalBytes");
    grid->addWidget(results_, 0, 0);
    grid->addWidget(word_, 1, 0);
    grid->addWidget(pdf_, 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Total files to copied  : ")), 0, 1);
    grid->addWidget(totalFiles_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Total bytes to copy :")), 1, 1);
    grid->addWidget(totalBytes_, 1, 2);
    return box;
}

QWidget* SmartCopyDialog::BuildDestination() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    destination_ = Named(new QComboBox, "destination");
    destination_->setEditable(true);
    destination_->setInsertPolicy(QComboBox::NoInsert);
    destination_->lineEdit()->setMaxLength(kDestinationLimit);
    destination_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* select = Named(new QPushButton(QStringLiteral("Select Folder")), "selectFolder");
    connect(select, &QPushButton::clicked, this, &SmartCopyDialog::SelectFolder);
    deleteBefore_ = Named(new QCheckBox(QStringLiteral("Delete subfolders and files before the copy process")),
                          "deleteBefore");
    grid->addWidget(new QLabel(QStringLiteral("Destination Folder")), 0, 0);
    grid->addWidget(destination_, 0, 1);
    grid->addWidget(select, 0, 2);
    grid->addWidget(deleteBefore_, 1, 1, 1, 2);
    return box;
}

QWidget* SmartCopyDialog::BuildLayouts() {
    auto* box = new QGroupBox(QStringLiteral("Copy results/conv. files :"));
    auto* column = new QVBoxLayout(box);
    oneFolder_ = Named(new QRadioButton(QStringLiteral("Into one Folder ")), "intoOneFolder");
    typeFolders_ = Named(new QRadioButton(QStringLiteral("Into separate Folders (File Type)")), "intoTypeFolders");
    folderTree_ = Named(new QRadioButton(QStringLiteral("Into one folder with full folder struct")), "intoFolderTree");
    for (QRadioButton* radio : {oneFolder_, typeFolders_, folderTree_}) column->addWidget(radio);
    return box;
}

QWidget* SmartCopyDialog::BuildCollisions() {
    auto* box = new QGroupBox(QStringLiteral("When Copy"));
    auto* column = new QVBoxLayout(box);
    overwrite_ = Named(new QRadioButton(QStringLiteral("Overwrite existing files ")), "overwrite");
    increaseNames_ = Named(new QRadioButton(QStringLiteral("Increase file names")), "increaseNames");
    increaseExtensions_ = Named(new QRadioButton(QStringLiteral("Increase file extensions")), "increaseExtensions");
    for (QRadioButton* radio : {overwrite_, increaseNames_, increaseExtensions_}) column->addWidget(radio);
    return box;
}

QWidget* SmartCopyDialog::BuildProgress() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    copyFrom_ = Field("copyFrom");
    copyTo_ = Field("copyTo");
    copiedFiles_ = Field("copiedFiles");
    bytesCopied_ = Field("bytesCopied");
    grid->addWidget(new QLabel(QStringLiteral("Copy from : ")), 0, 0);
    grid->addWidget(copyFrom_, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Copy to    : ")), 1, 0);
    grid->addWidget(copyTo_, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Copied files : ")), 2, 0);
    grid->addWidget(copiedFiles_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Bytes copied : ")), 2, 2);
    grid->addWidget(bytesCopied_, 2, 3);
    return box;
}

QWidget* SmartCopyDialog::BuildButtons() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    auto* copy = Named(new QPushButton(QStringLiteral("Copy")), "copy");
    auto* log = Named(new QPushButton(QStringLiteral("View Log")), "viewLog");
    auto* show = Named(new QPushButton(QStringLiteral("Show")), "showTemporary");
    auto* close = Named(new QPushButton(QStringLiteral("CLOSE")), "close");
    copy->setAutoDefault(false);
    log->setAutoDefault(false);
    show->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &SmartCopyDialog::Copy);
    connect(log, &QPushButton::clicked, this, &SmartCopyDialog::viewLog);
    connect(show, &QPushButton::clicked, this, &SmartCopyDialog::ShowTemporaryFolders);
    connect(close, &QPushButton::clicked, this, &SmartCopyDialog::accept);
    row->addWidget(copy);
    row->addWidget(log);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("Temporary folders ")));
    row->addWidget(show);
    row->addStretch();
    row->addWidget(close);
    return box;
}

void SmartCopyDialog::LoadFromOptions() {
    const Options& o = session_.state.options;
    results_->setChecked(o.On(Opt::CFRESULTSC));
    word_->setChecked(o.On(Opt::CFWORDCHKB));
    pdf_->setChecked(o.On(Opt::CFPDFCHECK));
    deleteBefore_->setChecked(o.On(Opt::CFDELCHKBX));
    oneFolder_->setChecked(true);
    typeFolders_->setChecked(o.On(Opt::CFINSUBFOL));
    folderTree_->setChecked(o.On(Opt::CFINONEFOS));
    overwrite_->setChecked(true);
    increaseNames_->setChecked(o.On(Opt::CFINCRRDBN));
    increaseExtensions_->setChecked(o.On(Opt::CFNWEXRDBN));
    destinations_ = session_.copyDestinations;
    for (const std::string& folder : destinations_) destination_->addItem(QString::fromStdString(folder));
    destination_->setEditText(QString::fromStdString(o.Text(Opt::CFSDFLEDIT)));
}

void SmartCopyDialog::ShowTotals() {
    int64_t files = 0;
    uint64_t bytes = 0;
    const auto add = [&](const QCheckBox* box, int32_t count, uint64_t size) {
        if (!box->isChecked()) return;
        files += count;
        bytes += size;
    };
    add(results_, info_.nResultCount, info_.llResultBytes);
    add(word_, info_.nWordCount, info_.llWordBytes);
    add(word_, info_.nOfficeCount, info_.llOfficeBytes);  // copied with the Word texts
    add(pdf_, info_.nPdfCount, info_.llPdfBytes);
    totalFiles_->setText(QString::number(files));
    totalBytes_->setText(Number(bytes));
}

void SmartCopyDialog::SelectFolder() {
    const QString folder = chooser_ ? chooser_() : QString();
    if (folder.isEmpty() || !AddCopyDestination(destinations_, folder.toStdString(), messages_)) return;
    destination_->addItem(folder);
    destination_->setEditText(folder);
}

void SmartCopyDialog::ShowTemporaryFolders() {
    const SearchFolders folders = SearchFoldersOf(session_.state.options, session_.AppHome());
    Message message;
    message.caption = "Temporary folders";
    message.text = "Temporary folder for converting WORD documents : " + folders.wordWorkFolder + "\n\n" +
                   "Temporary folder for converting PDF documents : " + folders.pdfWorkFolder;
    messages_.Show(message);
}

// A typed destination joins the list when the list has no equal entry.
void SmartCopyDialog::RememberTypedDestination() {
    const QString text = destination_->currentText();
    session_.state.options.SetText(Opt::CFSDFLEDIT, text.toStdString());
    if (text.trimmed().isEmpty() || Listed(destinations_, text.toStdString())) return;
    destinations_.push_back(text.toStdString());
    destination_->addItem(text);
    destination_->setEditText(text);
}

void SmartCopyDialog::StoreDestinations() { session_.copyDestinations = destinations_; }

void SmartCopyDialog::StoreChoices(Options& o) const {
    o.SetInt(Opt::CFRESULTSC, results_->isChecked() ? 1 : 0);
    o.SetInt(Opt::CFWORDCHKB, word_->isChecked() ? 1 : 0);
    o.SetInt(Opt::CFPDFCHECK, pdf_->isChecked() ? 1 : 0);
    o.SetInt(Opt::CFDELCHKBX, deleteBefore_->isChecked() ? 1 : 0);
    SelectChoice(o, typeFolders_->isChecked()  ? Opt::CFINSUBFOL
                    : folderTree_->isChecked() ? Opt::CFINONEFOS
                                               : Opt::CFINONEFOL);
    SelectChoice(o, increaseNames_->isChecked()        ? Opt::CFINCRRDBN
                    : increaseExtensions_->isChecked() ? Opt::CFNWEXRDBN
                                                       : Opt::CFOVWRRDBN);
}

void SmartCopyDialog::Copy() {
    if (copying_) return;
    for (QLineEdit* field : {copyFrom_, copyTo_, copiedFiles_, bytesCopied_}) field->clear();
    RememberTypedDestination();
    StoreDestinations();

    // The copy works on the boxes as they are now; the options keep their
    // values until CLOSE, except the destination and the copy times.
    Options work;
    StoreChoices(work);
    work.SetText(Opt::CFSDFLEDIT, session_.state.options.Text(Opt::CFSDFLEDIT));
    const FileResultsStore store = session_.results.CopyStore();
    SmartCopyRequest request{work, store, session_.results.Size(),
                             SearchFoldersOf(session_.state.options, session_.AppHome()).logFolder, {}};
    Progress progress(*this);
    copying_ = true;
    const int copied = SmartCopy(request, messages_, progress);
    copying_ = false;

    // A running search owns the start and end times its report will show.
    if (session_.running) return;
    session_.state.options.SetDate(Opt::SERCHSTART, work.Date(Opt::SERCHSTART));
    if (copied == 1) session_.state.options.SetDate(Opt::SEARCHENDT, work.Date(Opt::SEARCHENDT));
}

void SmartCopyDialog::accept() {
    if (copying_) return;
    Options& o = session_.state.options;
    StoreChoices(o);
    o.SetText(Opt::CFSDFLEDIT, destination_->currentText().toStdString());
    StoreDestinations();
    QDialog::accept();
}

void SmartCopyDialog::reject() {
    if (copying_) return;
    QDialog::reject();
}

}  // namespace qf::shell
