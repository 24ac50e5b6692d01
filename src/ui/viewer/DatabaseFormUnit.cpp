#include "DatabaseFormUnit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include "check/PassportCheck.h"
#include "qt/ScreenFit.h"

namespace {

// Rows are handed to the window in small batches: often enough that the
// table fills while the user watches, seldom enough that two thousand
// passports do not flood the event queue.
constexpr int kBatchMs = 100;

// The filter: the search text within the number or the address.
class TPassportFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void SetText(const QString& text) {
    Text_ = text.trimmed();
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    if (Text_.isEmpty()) return true;
    for (int col : {TDatabaseForm::ColNumber, TDatabaseForm::ColAddress}) {
      const QString cell = sourceModel()->index(row, col, parent).data().toString();
      if (cell.contains(Text_, Qt::CaseInsensitive)) return true;
    }
    return false;
  }

 private:
  QString Text_;
};

QStandardItem* TextCell(const QString& text, const QVariant& key) {
  auto* item = new QStandardItem(text);
  item->setEditable(false);
  item->setData(key, Qt::UserRole);
  return item;
}

QStandardItem* NumberCell(int value) { return TextCell(QString::number(value), value); }

// A passport number sorts by its value (2 before 10); one with letters after
// all numbers, by its text.
QVariant NumberKey(const QString& number) {
  bool ok = false;
  const qlonglong n = number.toLongLong(&ok);
  return ok ? QVariant(QStringLiteral("%1").arg(n, 12, 10, QLatin1Char('0'))) : QVariant(QStringLiteral("~") + number);
}

}  // namespace

TDatabaseForm::TDatabaseForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("База светофорных объектов"));
  auto* layout = new QVBoxLayout(this);
  Search_ = new QLineEdit(this);
  Search_->setPlaceholderText(QStringLiteral("Поиск по номеру и адресу"));
  Search_->setClearButtonEnabled(true);
  layout->addWidget(Search_);
  Model_ = new QStandardItemModel(0, ColumnCount, this);
  Model_->setHorizontalHeaderLabels({QStringLiteral("Номер"), QStringLiteral("Адрес"), QStringLiteral("Тип"),
                                     QStringLiteral("Фаз"), QStringLiteral("Направлений"), QStringLiteral("Объектов"),
                                     QStringLiteral("Последнее изменение"), QStringLiteral("Ошибок"),
                                     QStringLiteral("Предупреждений")});
  auto* proxy = new TPassportFilter(this);
  proxy->setSourceModel(Model_);
  proxy->setSortRole(Qt::UserRole);
  Proxy_ = proxy;
  Table_ = new QTableView(this);
  Table_->setModel(Proxy_);
  Table_->setSortingEnabled(true);
  Table_->sortByColumn(ColNumber, Qt::AscendingOrder);
  Table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table_->setSelectionMode(QAbstractItemView::SingleSelection);
  Table_->verticalHeader()->hide();
  Table_->setWordWrap(false);
  Table_->verticalHeader()->setDefaultSectionSize(Table_->fontMetrics().height() + 6);
  const int widths[ColumnCount] = {70, 300, 90, 50, 100, 80, 150, 70, 120};
  for (int c = 0; c < ColumnCount; ++c) Table_->setColumnWidth(c, widths[c]);
  Table_->horizontalHeader()->setSectionResizeMode(ColAddress, QHeaderView::Stretch);
  layout->addWidget(Table_, 1);
  auto* bottom = new QHBoxLayout;
  Status_ = new QLabel(this);
  Progress_ = new QProgressBar(this);
  bottom->addWidget(Status_, 1);
  bottom->addWidget(Progress_);
  layout->addLayout(bottom);

  connect(Search_, &QLineEdit::textChanged, this, [proxy](const QString& t) { proxy->SetText(t); });
  connect(Search_, &QLineEdit::returnPressed, this, &TDatabaseForm::SearchReturn);
  connect(Table_, &QTableView::activated, this, [this](const QModelIndex& i) { TableActivate(i.row()); });
  ResizeWithinScreen(this, QSize(1180, 600));
}

TDatabaseForm::~TDatabaseForm() { StopWorker(); }

void TDatabaseForm::StopWorker() {
  Stop_ = true;
  if (Worker_.joinable()) Worker_.join();
  Stop_ = false;
}

void TDatabaseForm::Load(const std::string& databaseDir) {
  StopWorker();
  ++Generation_;
  Model_->removeRows(0, Model_->rowCount());
  Done_ = false;
  Progress_->setRange(0, 0);
  Progress_->show();
  Status_->setText(QStringLiteral("Чтение базы…"));
  const int generation = Generation_;
  // The worker reads every passport with objects of its own and hands only
  // plain summaries to the window's thread; its messages stay with it.
  Worker_ = std::thread([this, databaseDir, generation] {
    const std::vector<std::string> dirs = ScanDatabase(databaseDir).Passports;
    const int total = static_cast<int>(dirs.size());
    std::vector<TPassportSummary> batch;
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    auto post = [&] {
      QMetaObject::invokeMethod(
          this,
          [this, rows = std::move(batch), done, total, generation] {
            if (generation == Generation_) AddRows(rows, done, total);
          },
          Qt::QueuedConnection);
      batch.clear();
      clock.restart();
    };
    for (const std::string& dir : dirs) {
      if (Stop_) return;
      batch.push_back(SummarizePassport(dir));
      ++done;
      if (clock.elapsed() >= kBatchMs) post();
    }
    post();
    Done_ = true;
  });
}

void TDatabaseForm::AddRows(const std::vector<TPassportSummary>& rows, int done, int total) {
  const bool sorting = Table_->isSortingEnabled();
  Table_->setSortingEnabled(false);
  for (const TPassportSummary& s : rows) {
    const QString number = QString::fromStdString(s.Number);
    Model_->appendRow({TextCell(number, NumberKey(number)),
                       TextCell(QString::fromStdString(s.Address), QString::fromStdString(s.Address).toLower()),
                       TextCell(QString::fromStdString(ObjectTypeCaption(s.ObjectType)), s.ObjectType),
                       NumberCell(s.Phases), NumberCell(s.Directions), NumberCell(s.Items),
                       TextCell(QString::fromStdString(s.LastChange), s.LastChangeKey),
                       NumberCell(s.Findings.Errors), NumberCell(s.Findings.Warnings)});
  }
  Table_->setSortingEnabled(sorting);
  Progress_->setRange(0, total > 0 ? total : 1);
  Progress_->setValue(total > 0 ? done : 1);
  if (done >= total) {
    Status_->setText(QStringLiteral("Паспортов: %1").arg(total));
    Progress_->hide();
  } else {
    Status_->setText(QStringLiteral("Прочитано %1 из %2").arg(done).arg(total));
  }
}

void TDatabaseForm::WaitLoaded() {
  if (Worker_.joinable()) Worker_.join();
  QCoreApplication::processEvents();
}

QString TDatabaseForm::NumberAt(int row) const { return Proxy_->index(row, ColNumber).data().toString(); }

void TDatabaseForm::TableActivate(int row) {
  if (row < 0 || row >= Proxy_->rowCount() || !Open_) return;
  Open_(NumberAt(row));
}

void TDatabaseForm::SearchReturn() {
  const QModelIndex current = Table_->currentIndex();
  TableActivate(current.isValid() ? current.row() : Proxy_->rowCount() == 1 ? 0 : -1);
}
