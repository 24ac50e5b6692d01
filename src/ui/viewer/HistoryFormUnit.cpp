#include "HistoryFormUnit.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ComparePanel.h"
#include "history/Record.h"
#include "qt/Questions.h"

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

// The first line of a version's message: the summary without the comment.
QString FirstLine(const std::string& message) { return Qs(message.substr(0, message.find('\n'))); }

}  // namespace

THistoryForm::THistoryForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HistoryForm"));
  setWindowTitle(QStringLiteral("История паспорта"));
  auto* layout = new QVBoxLayout(this);
  Title_ = new QLabel(this);
  Title_->setTextFormat(Qt::PlainText);
  layout->addWidget(Title_);

  auto* split = new QSplitter(Qt::Vertical, this);
  auto* top = new QWidget(split);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(0, 0, 0, 0);
  List_ = new QTableWidget(0, 3, top);
  List_->setObjectName(QStringLiteral("VersionList"));
  List_->setHorizontalHeaderLabels({QStringLiteral("Дата"), QStringLiteral("Автор"), QStringLiteral("Изменения")});
  List_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List_->setSelectionBehavior(QAbstractItemView::SelectRows);
  List_->setSelectionMode(QAbstractItemView::SingleSelection);
  List_->verticalHeader()->hide();
  List_->horizontalHeader()->setStretchLastSection(true);
  topLayout->addWidget(List_, 1);
  auto* row = new QHBoxLayout;
  Restore_ = new QPushButton(QStringLiteral("Восстановить эту версию"), top);
  Restore_->setObjectName(QStringLiteral("RestoreButton"));
  Restore_->setEnabled(false);
  row->addWidget(Restore_);
  row->addStretch(1);
  topLayout->addLayout(row);
  Panel_ = new TComparePanel(split);
  split->addWidget(top);
  split->addWidget(Panel_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 3);
  layout->addWidget(split, 1);

  connect(List_, &QTableWidget::itemSelectionChanged, this, &THistoryForm::VersionListCurrentRowChanged);
  connect(Restore_, &QPushButton::clicked, this, &THistoryForm::RestoreClick);
  resize(1000, 720);
}

QString THistoryForm::DateText(const std::string& iso) {
  const QDateTime when = QDateTime::fromString(Qs(iso), Qt::ISODate);
  return when.isValid() ? when.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : Qs(iso);
}

bool THistoryForm::Load(const std::string& database, const std::string& id) {
  Database_ = database;
  Id_ = id;
  Versions_.clear();
  Panel_->Clear();
  bool ok = true;
  try {
    Versions_ = PassportHistory(TDbRepository::OpenExisting(database), id);
    Title_->setText(QStringLiteral("Паспорт СО № %1: версий %2. Выберите версию, чтобы сравнить её с текущим "
                                   "состоянием паспорта.")
                        .arg(Qs(PassportNumberText(id)))
                        .arg(Versions_.size()));
  } catch (const std::exception& e) {
    Title_->setText(QStringLiteral("Историю паспорта прочитать не удалось: ") + QString::fromUtf8(e.what()));
    ok = false;
  }
  FillList();
  return ok;
}

void THistoryForm::FillList() {
  const QSignalBlocker quiet(List_);
  List_->clearSelection();
  List_->setRowCount(static_cast<int>(Versions_.size()));
  int row = 0;
  for (const TPassportVersion& v : Versions_) {
    List_->setItem(row, 0, new QTableWidgetItem(DateText(v.Date)));
    List_->setItem(row, 1, new QTableWidgetItem(Qs(v.Author)));
    auto* summary = new QTableWidgetItem(FirstLine(v.Summary));
    summary->setToolTip(Qs(v.Summary));
    List_->setItem(row, 2, summary);
    ++row;
  }
  List_->resizeColumnToContents(0);
  List_->resizeColumnToContents(1);
  Restore_->setEnabled(false);
}

void THistoryForm::ChooseVersion(int row) { List_->selectRow(row); }

void THistoryForm::VersionListCurrentRowChanged() {
  const QList<QTableWidgetItem*> chosen = List_->selectedItems();
  const int row = chosen.isEmpty() ? -1 : chosen.first()->row();
  if (row < 0 || row >= static_cast<int>(Versions_.size())) {
    Panel_->Clear();
    Restore_->setEnabled(false);
    return;
  }
  try {
    const TDbRepository repo = TDbRepository::OpenExisting(Database_);
    // The version is the earlier side: what was, against what the passport is now.
    Panel_->Compare(ReadPassportAt(repo, Id_, Versions_[row].Rev), ReadWorkingPassport(repo, Id_));
    Restore_->setEnabled(true);
  } catch (const std::exception& e) {
    Panel_->Clear();
    Panel_->Summary()->setText(QStringLiteral("Версию прочитать не удалось: ") + QString::fromUtf8(e.what()));
    Restore_->setEnabled(false);
  }
}

void THistoryForm::RestoreClick() {
  const QList<QTableWidgetItem*> chosen = List_->selectedItems();
  if (chosen.isEmpty() || !Restorer_) return;
  const TPassportVersion v = Versions_[chosen.first()->row()];
  if (!AskYesNo(this, QStringLiteral("История паспорта"),
                QStringLiteral("Восстановить версию от %1 (%2)? Текущее состояние паспорта останется в истории.")
                    .arg(DateText(v.Date), Qs(v.Author))))
    return;
  if (!Restorer_(v.Rev)) return;
  Load(Database_, Id_);
}
