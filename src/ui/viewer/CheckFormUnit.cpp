#include "CheckFormUnit.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/PaintBox.h"
#include "qt/ScreenFit.h"
#include "ToolPanel.h"
#include "check/PassportCheck.h"
#include "MainForm.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

namespace {

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

TCheckForm::TCheckForm(TMainForm* main) : QDialog(main), Main_(main) {
  setWindowTitle(QStringLiteral("Проверка паспорта"));
  auto* layout = new QVBoxLayout(this);
  Summary_ = new QLabel(this);
  // Wrapped, so that the window can be made narrow enough to leave the
  // scheme beside it in view.
  Summary_->setWordWrap(true);
  layout->addWidget(Summary_);
  List_ = new QTableWidget(0, 3, this);
  List_->setHorizontalHeaderLabels({QStringLiteral("Вид"), QStringLiteral("Код"), QStringLiteral("Сообщение")});
  List_->horizontalHeader()->setStretchLastSection(true);
  List_->verticalHeader()->hide();
  List_->setSelectionBehavior(QAbstractItemView::SelectRows);
  List_->setSelectionMode(QAbstractItemView::SingleSelection);
  List_->setWordWrap(false);
  layout->addWidget(List_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
  QPushButton* again = buttons->addButton(QStringLiteral("Проверить снова"), QDialogButtonBox::ActionRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(again, &QPushButton::clicked, this, &TCheckForm::Refresh);
  connect(List_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ListDoubleClick(row); });
  ResizeWithinScreen(this, QSize(760, 420));
}

void TCheckForm::Refresh() {
  Main_->MarkItems({});
  Findings_.clear();
  CheckedDir_.clear();
  if (TSVObject* scheme = Main_->Scheme()) {
    Findings_ = CheckPassport(*scheme, {});
    CheckedDir_ = scheme->Dir;
  }
  List_->setRowCount(static_cast<int>(Findings_.size()));
  for (int r = 0; r < List_->rowCount(); ++r) {
    const TFinding& f = Findings_[static_cast<std::size_t>(r)];
    List_->setItem(r, 0, Cell(QString::fromUtf8(SeverityCaption(f.Severity))));
    List_->setItem(r, 1, Cell(QString::fromStdString(f.Code)));
    QTableWidgetItem* message = Cell(QString::fromStdString(f.Message));
    message->setToolTip(message->text());
    List_->setItem(r, 2, message);
  }
  List_->resizeColumnToContents(0);
  List_->resizeColumnToContents(1);
  const TFindingCounts c = CountFindings(Findings_);
  Summary_->setText(Findings_.empty() ? QStringLiteral("Несоответствий не найдено.")
                                      : QStringLiteral("Ошибок: %1, предупреждений: %2. Двойной щелчок по строке "
                                                       "показывает то, к чему она относится, или открывает таблицу, "
                                                       "где это исправляется.")
                                            .arg(c.Errors)
                                            .arg(c.Warnings));
}

void TCheckForm::ListDoubleClick(int row) {
  TSVObject* scheme = Main_->Scheme();
  if (!scheme || row < 0 || row >= static_cast<int>(Findings_.size())) return;
  if (scheme->Dir != CheckedDir_) {
    Refresh();
    return;
  }
  const TFinding& f = Findings_[static_cast<std::size_t>(row)];
  // A phase the passport has is shown, so its arrows and signals can be seen.
  for (int p : f.Phases) {
    if (p < 1 || p > scheme->Info->PhaseCount || p > Main_->Tools()->PhaseCount()) continue;
    Main_->Tools()->SelectPhaseSilently(p - 1);
    Main_->ChoosePhase();
    break;
  }
  if (f.Items.empty()) {
    Main_->MarkItems({});
    // A finding of the plan opens the table it is mended in.
    QAction* table = f.Table == "TPhaseForm"      ? Main_->Menu().ByPhases
                     : f.Table == "TNaprDataForm" ? Main_->Menu().ByDirections
                                                  : nullptr;
    if (table && table->isEnabled()) table->trigger();
    return;
  }
  scheme->DeselectAll();
  TDrawContext& view = Main_->View();
  TRect box = kNoExtent;
  std::vector<TItemRef> found;
  for (const TItemRef& ref : f.Items) {
    TSVItem* item = ItemAt(*scheme, ref);
    if (!item) continue;
    item->Selected = true;
    box = UnionRects(box, item->GetBounds(view));
    found.push_back(ref);
  }
  if (box.Right < box.Left) {
    Main_->MarkItems({});
    return;
  }
  // The items' centre goes to the centre of what this window leaves of the
  // map, so that the window never hides what it points at.
  const QRect free = UncoveredMap();
  const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
  view.MoveOriginRight(free.left() + free.width() / 2 - cx);
  view.MoveOriginDown(free.top() + free.height() / 2 - cy);
  Main_->MarkItems(std::move(found));
}

QRect TCheckForm::UncoveredMap() const {
  const TPaintBox* map = Main_->Map();
  const QRect area(QPoint(0, 0), map->PictureSize());
  if (!isVisible()) return area;
  const QPoint origin = map->mapToGlobal(QPoint(0, 0));
  return LargestUncovered(area.translated(origin), frameGeometry()).translated(-origin);
}

void TCheckForm::hideEvent(QHideEvent* event) {
  // The mark belongs to the list: it goes with it.
  Main_->MarkItems({});
  QDialog::hideEvent(event);
}
