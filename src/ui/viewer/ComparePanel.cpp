#include "ComparePanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "json/JsonValue.h"
#include "model/SVObject.h"
#include "qt/PaintBox.h"
#include "view/DiffLook.h"
#include "view/SchemeView.h"

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

QString ValueText(const TJsonValue& v) {
  if (v.IsNull()) return QStringLiteral("—");
  if (v.Kind == TJsonValue::TKind::String) return Qs(v.Text);
  return Qs(JsonText(v));
}

// The legend under the summary: colours are the look's own.
QLabel* Legend(QWidget* parent) {
  const auto css = [](TColor c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF))
        .name();
  };
  auto* legend = new QLabel(parent);
  legend->setObjectName(QStringLiteral("Legend"));
  legend->setTextFormat(Qt::RichText);
  legend->setText(QStringLiteral("<span style='color:%1'>■</span> добавлено &nbsp; "
                                 "<span style='color:%2'>■</span> удалено &nbsp; "
                                 "<span style='color:%3'>■</span> изменено (пунктир — где было)")
                      .arg(css(kDiffAddedColor), css(kDiffRemovedColor), css(kDiffChangedColor)));
  return legend;
}

}  // namespace

TComparePanel::TComparePanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Summary_ = new QLabel(this);
  Summary_->setObjectName(QStringLiteral("Summary"));
  // The summary is built from the passports' own texts: never markup.
  Summary_->setTextFormat(Qt::PlainText);
  Summary_->setWordWrap(true);
  Summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(Summary_);
  layout->addWidget(Legend(this));

  auto* split = new QSplitter(Qt::Horizontal, this);
  Map_ = new TPaintBox(split);
  Map_->setObjectName(QStringLiteral("ComparePicture"));
  Map_->setMinimumSize(320, 240);
  Table_ = new QTableWidget(0, 3, split);
  Table_->setObjectName(QStringLiteral("InfoDifferences"));
  Table_->setHorizontalHeaderLabels({QStringLiteral("Поле"), QStringLiteral("Было"), QStringLiteral("Стало")});
  Table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table_->verticalHeader()->hide();
  Table_->horizontalHeader()->setStretchLastSection(true);
  split->addWidget(Map_);
  split->addWidget(Table_);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  layout->addWidget(split, 1);
  connect(Map_, &TPaintBox::CanvasChanged, this, &TComparePanel::CanvasChanged);
  Clear();
}

TComparePanel::~TComparePanel() = default;

void TComparePanel::Clear() {
  Before_.reset();
  After_.reset();
  Match_ = TSchemeMatch{};
  Diff_ = TPassportDiff{};
  Summary_->setText(QStringLiteral("Выберите паспорт для сравнения."));
  Table_->setRowCount(0);
  Paint();
}

void TComparePanel::Compare(const TPassportFiles& before, const TPassportFiles& after) {
  TItemSources beforeSources, afterSources;
  Before_ = ReadPassportFiles(before, &beforeSources);
  After_ = ReadPassportFiles(after, &afterSources);
  Match_ = MatchSchemes(*Before_, *After_, &beforeSources, &afterSources);
  Diff_ = DiffOf(DiffInformation(*Before_, *After_), Match_);
  Summary_->setText(IsEmpty(Diff_) ? QStringLiteral("Паспорта совпадают.") : Qs(SummarizeDiff(Diff_)));
  FillTable();
  if (Map_->Canvas()) {
    InitViewContext(View_, Map_->Canvas(), *After_);
    FitDiff(*Before_, *After_, View_, Map_->PictureWidth(), Map_->PictureHeight());
  }
  Paint();
}

void TComparePanel::FillTable() {
  Table_->setRowCount(static_cast<int>(Diff_.Info.size()));
  int row = 0;
  for (const TInfoDifference& d : Diff_.Info) {
    Table_->setItem(row, 0, new QTableWidgetItem(Qs(d.Path)));
    Table_->setItem(row, 1, new QTableWidgetItem(ValueText(d.Before)));
    Table_->setItem(row, 2, new QTableWidgetItem(ValueText(d.After)));
    ++row;
  }
  Table_->resizeColumnsToContents();
}

void TComparePanel::CanvasChanged(TQtCanvas* canvas) {
  if (After_) {
    InitViewContext(View_, canvas, *After_);
    FitDiff(*Before_, *After_, View_, Map_->PictureWidth(), Map_->PictureHeight());
  } else {
    View_.Canvas = canvas;
  }
  Paint();
}

void TComparePanel::Paint() {
  if (!Map_->Canvas()) return;
  View_.Canvas = Map_->Canvas();
  if (Before_ && After_)
    PaintDiff(*After_, Match_, View_);
  else
    PaintBackground(*Map_->Canvas(), TSchemeLook::View);
  Map_->update();
}
