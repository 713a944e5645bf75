#include "shell/tavilan_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qf::shell {
namespace {

constexpr int kAttributeWidth = 400;
constexpr int kValueWidth = 1500;

}  // namespace

void TavilanModel::SetEntries(BAZ_ACTIVE_LIST entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int TavilanModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(entries_.size()); }

int TavilanModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant TavilanModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= entries_.size()) return {};
    const _Baz_Active_Struct& entry = entries_[size_t(index.row())];
    return QString::fromStdString(index.column() == 0 ? entry.text : entry.value);
}

QVariant TavilanModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == 0 ? QStringLiteral("Attributes") : QStringLiteral("Values");
}

TavilanView::TavilanView(QWidget* parent) : QWidget(parent) {
    model_ = new TavilanModel(this);
    list_ = new QTableView;
    list_->setObjectName(QStringLiteral("tavilanList"));
    list_->setModel(model_);
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setColumnWidth(0, kAttributeWidth);
    list_->setColumnWidth(1, kValueWidth);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("tavilanSummary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Active options : ON ")));
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
}

void TavilanView::Show(BAZ_ACTIVE_LIST entries, const std::vector<std::string>& summary) {
    model_->SetEntries(std::move(entries));
    QStringList lines;
    for (const std::string& line : summary) lines << QString::fromStdString(line);
    summary_->setText(lines.join(QLatin1Char('\n')));
}

int TavilanView::RowCount() const { return model_->rowCount(); }

QString TavilanView::Text(int row, int column) const { return model_->index(row, column).data().toString(); }

QStringList TavilanView::SummaryLines() const {
    if (summary_->text().isEmpty()) return {};
    return summary_->text().split(QLatin1Char('\n'));
}

TavilanPanel::TavilanPanel(Session& session, StoreTargets storeTargets, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), session_(session), storeTargets_(std::move(storeTargets)) {
    setWindowTitle(QStringLiteral("Show Tavilan"));
    view_ = new TavilanView;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("tavilanOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(900, 600);
}

void TavilanPanel::Refresh() {
    // While a search runs its worker reads the live options, so the window
    // describes a copy instead of writing into them; the controls it copies
    // are disabled during a search and hold the values the search started with.
    Options copy;
    Options* described = &session_.state.options;
    if (session_.running) {
        copy = session_.state.options;
        described = &copy;
    }
    if (storeTargets_) storeTargets_(*described);
    view_->Show(BuildScreenDescription(*described, session_.copyDestinations), DescriptionSummaryLines(*described));
}

TavilanDialog::TavilanDialog(Session& session, StoreTargets storeTargets, QWidget* parent)
    : TavilanPanel(session, std::move(storeTargets), parent, Qt::Dialog) {
    setObjectName(QStringLiteral("tavilanDialog"));
    setModal(true);
    Refresh();
}

TavilanWindow::TavilanWindow(Session& session, StoreTargets storeTargets, QWidget* parent)
    : TavilanPanel(session, std::move(storeTargets), parent, Qt::Tool) {
    setObjectName(QStringLiteral("tavilanWindow"));
}

}  // namespace qf::shell
