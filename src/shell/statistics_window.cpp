#include "shell/statistics_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace qf::shell {
namespace {

constexpr int kKindRows = kStatRowCount;
constexpr int kKindColumns = kStatColumnCount;

const char* const kRowCaptions[kKindRows] = {"File name only", "File name      (Query text)",
                                             "File extension (Query t.)", "Folder name  (Query text)",
                                             "File content   (Query text)"};
const char* const kColumnCaptions[kKindColumns] = {" Number of\n hits",   "  Number of \n  lines with hits",
                                                   "Found in\nfiles",     "Found in\nfolders",
                                                   "Examined \nfiles ",   "Examined \nfolders ",
                                                   "Binary skipped\nfiles "};

QString KindField(int row, int column) { return QStringLiteral("stat_%1_%2").arg(row).arg(column); }

}  // namespace

StatisticsWindow::StatisticsWindow(Options& options, QWidget* parent) : QDialog(parent, Qt::Tool), options_(options) {
    setWindowTitle(QStringLiteral("Statistics of the search process"));
    setObjectName(QStringLiteral("statisticsWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildKindTable());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildTypeTable());
    middle->addStretch();
    layout->addWidget(BuildProcessGroups());
    layout->addLayout(middle);

    auto* times = new QGridLayout;
    startTime_ = new QLineEdit;
    endTime_ = new QLineEdit;
    currentName_ = new QLineEdit;
    phase_ = new QLabel(QStringLiteral("Show files : "));
    startTime_->setObjectName(QStringLiteral("startTime"));
    endTime_->setObjectName(QStringLiteral("endTime"));
    currentName_->setObjectName(QStringLiteral("currentName"));
    phase_->setObjectName(QStringLiteral("phase"));
    for (QLineEdit* e : {startTime_, endTime_, currentName_}) e->setReadOnly(true);
    times->addWidget(new QLabel(QStringLiteral("Search started at : ")), 0, 0);
    times->addWidget(startTime_, 0, 1);
    times->addWidget(new QLabel(QStringLiteral("Search ended at : ")), 1, 0);
    times->addWidget(endTime_, 1, 1);
    times->addWidget(phase_, 2, 0);
    times->addWidget(currentName_, 2, 1);
    layout->addLayout(times);
    layout->addWidget(BuildLimitRows());

    auto* bottom = new QHBoxLayout;
    doNotShow_ = new QCheckBox(QStringLiteral("Do not show this dialog again. "));
    doNotShow_->setObjectName(QStringLiteral("doNotShow"));
    doNotShow_->setChecked(options_.On(Opt::SUMSHWHIDE));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("statisticsOk"));
    connect(ok, &QPushButton::clicked, this, &StatisticsWindow::StoreAndClose);
    bottom->addWidget(doNotShow_);
    bottom->addStretch();
    bottom->addWidget(ok);
    layout->addLayout(bottom);
    Reset();
}

QLineEdit* StatisticsWindow::AddField(const QString& name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    // Wide enough for nine digits and no wider, so that the window fits
    // beside the main window.
    const int width = field->fontMetrics().horizontalAdvance(QStringLiteral("999999999")) + 14;
    field->setMinimumWidth(width);
    field->setMaximumWidth(width);
    fields_.insert(name, field);
    return field;
}

QWidget* StatisticsWindow::BuildKindTable() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < kKindColumns; ++c) grid->addWidget(new QLabel(QString::fromLatin1(kColumnCaptions[c])), 0, c + 1);
    for (int r = 0; r < kKindRows; ++r) {
        grid->addWidget(new QLabel(QString::fromLatin1(kRowCaptions[r])), r + 1, 0);
        for (int c = 0; c < kKindColumns; ++c)
            if (HasStatField(r, c)) grid->addWidget(AddField(KindField(r, c)), r + 1, c + 1);
    }
    return box;
}

QWidget* StatisticsWindow::BuildProcessGroups() {
    struct Group { const char* caption; const char* prefix; std::array<const char*, 3> fields; LogProcess log; };
    const Group groups[] = {{"MS Word docs : ", "word", {"Found  ", "Converted  ", "Unconverted  "}, LogProcess::Word},
                            {"Pdf  docs : ", "pdf", {"Found  ", "Converted  ", "Unconverted  "}, LogProcess::Pdf},
                            {"Zipped files : ", "zip", {"Found  ", "Unzipped  ", "Failed  "}, LogProcess::Zip},
                            {"Office docs : ", "office", {"Found  ", "Converted  ", "Unconverted  "}, LogProcess::Office}};
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const Group& g : groups) {
        QList<QWidget*> widgets{new QLabel(QString::fromLatin1(g.caption))};
        for (int i = 0; i < 3; ++i) {
            widgets.append(new QLabel(QString::fromLatin1(g.fields[size_t(i)])));
            widgets.append(AddField(QStringLiteral("%1_%2").arg(QString::fromLatin1(g.prefix)).arg(i)));
        }
        auto* view = new QPushButton(QStringLiteral("View"));
        view->setObjectName(QStringLiteral("view_%1").arg(QString::fromLatin1(g.prefix)));
        connect(view, &QPushButton::clicked, this, [this, k = g.log] { emit viewLog(k); });
        widgets.append(view);
        for (int column = 0; column < widgets.size(); ++column) grid->addWidget(widgets[column], row, column);
        if (g.log == LogProcess::Office) officeRow_ = widgets;
        ++row;
    }
    return box;
}

QWidget* StatisticsWindow::BuildTypeTable() {
    const char* const types[] = {"Html  : ", "Htm   : ", "Txt   : ", "Other : "};
    const char* const columns[] = {"Examined  ", "Found  ", "Not found "};
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(QString::fromLatin1(columns[c])), 0, c + 1);
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(new QLabel(QString::fromLatin1(types[r])), r + 1, 0);
        for (int c = 0; c < 3; ++c) grid->addWidget(AddField(QStringLiteral("type_%1_%2").arg(r).arg(c)), r + 1, c + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("Sum. : ")), 5, 0);
    grid->addWidget(AddField(QStringLiteral("sumExamined")), 5, 1);
    return box;
}

// What the run could not read, and files cut at the Line/File limit.
QWidget* StatisticsWindow::BuildLimitRows() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Unreadable : ")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Files  ")), 0, 1);
    grid->addWidget(AddField(QStringLiteral("unreadable_0")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Folders  ")), 0, 3);
    grid->addWidget(AddField(QStringLiteral("unreadable_1")), 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("Line/File limit reached : ")), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Files  ")), 1, 1);
    grid->addWidget(AddField(QStringLiteral("lineLimit")), 1, 2);
    return box;
}

void StatisticsWindow::Reset() {
    for (QLineEdit* field : std::as_const(fields_)) field->setText(QStringLiteral("0"));
    startTime_->clear();
    endTime_->clear();
    currentName_->clear();
    currentName_->show();
    for (QWidget* widget : std::as_const(officeRow_)) widget->setVisible(options_.On(Opt::CONVOFFICE));
}

void StatisticsWindow::ShowCounters(const SearchStatistics& s, const RunCounters& counters) {
    const auto show = [this](const QString& name, uint64_t value) {
        if (QLineEdit* field = fields_.value(name)) field->setText(QString::number(value));
    };
    for (int r = 0; r < kKindRows; ++r)
        for (int c = 0; c < kKindColumns; ++c)
            if (HasStatField(r, c)) show(KindField(r, c), s.Cell(r, c));
    for (int t = 0; t < kStatFileTypeCount; ++t) {
        const FileTypeCounters& type = s.fileTypes[size_t(t)];
        show(QStringLiteral("type_%1_0").arg(t), type.examined.load());
        show(QStringLiteral("type_%1_1").arg(t), type.found.load());
        show(QStringLiteral("type_%1_2").arg(t), type.notFound.load());
    }
    show(QStringLiteral("sumExamined"), s.sumExamined.load());
    show(QStringLiteral("unreadable_0"), s.unreadableFiles.load());
    show(QStringLiteral("unreadable_1"), s.unreadableFolders.load());
    show(QStringLiteral("lineLimit"), s.lineLimitFiles.load());
    const auto group = [&show](const char* prefix, const std::array<int64_t, 3>& values) {
        for (size_t i = 0; i < values.size(); ++i)
            show(QStringLiteral("%1_%2").arg(QString::fromLatin1(prefix)).arg(i), uint64_t(std::max<int64_t>(values[i], 0)));
    };
    group("word", {counters.nWordExamined.load(), counters.nWordConverted.load(), counters.nWordFailed.load()});
    group("pdf", {counters.nPdfExamined.load(), counters.nPdfConverted.load(), counters.nPdfFailed.load()});
    group("zip", {counters.nZipExamined.load(), counters.nZipUnzipped.load(), counters.nZipFailed.load()});
    group("office", {counters.nOfficeExamined.load(), counters.nOfficeConverted.load(), counters.nOfficeFailed.load()});
    startTime_->setText(QString::fromStdString(StatisticsTimeText(s.startTime.load())));
    endTime_->setText(QString::fromStdString(StatisticsTimeText(s.endTime.load())));
}

void StatisticsWindow::SetPhase(const QString& text) { phase_->setText(text); }
void StatisticsWindow::SetCurrentName(const QString& name) { currentName_->setText(name); }

void StatisticsWindow::RunEnded(const SearchStatistics& statistics) {
    phase_->setText(QString::fromStdString(StatisticsStatusText(statistics)));
    currentName_->hide();
}
bool StatisticsWindow::KeepHidden() const { return doNotShow_->isChecked(); }
void StatisticsWindow::SetKeepHidden(bool hidden) { doNotShow_->setChecked(hidden); }

QString StatisticsWindow::FieldText(const QString& name) const {
    if (const QLineEdit* field = fields_.value(name)) return field->text();
    if (const QLineEdit* other = findChild<QLineEdit*>(name)) return other->text();
    return {};
}

void StatisticsWindow::StoreAndClose() {
    options_.SetInt(Opt::SUMSHWHIDE, doNotShow_->isChecked() ? 1 : 0);
    hide();
}

}  // namespace qf::shell
