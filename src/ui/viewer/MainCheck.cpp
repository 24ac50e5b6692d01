// The main window's entries for checking passports: the database overview
// in the menu "Файл" and the check of the passport shown in the menu
// "Светофорный объект". Both windows are made on first use and kept.
#include <QMenu>

#include "CheckFormUnit.h"
#include "DatabaseFormUnit.h"
#include "check/PassportCheck.h"
#include "MainForm.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "platform/Canvas.h"
#include "qt/PaintBox.h"
#include "qt/ScreenFit.h"

namespace {

// The frame around marked items: the blue of selected items, wide enough to
// be seen on the dark background, and clear of the items' own outlines.
constexpr TColor kMarkColor = 0xFF0000;
constexpr int kMarkWidth = 3;
constexpr int kMarkMargin = 6;

}  // namespace

void TMainForm::CreateCheckEntries(QMenu* file, QMenu* object) {
  auto* database = new QAction(QStringLiteral("&База светофорных объектов"), file);
  database->setObjectName(QStringLiteral("DatabaseWindowAction"));
  file->insertAction(Menu_.ExportTables, database);
  connect(database, &QAction::triggered, this, [this] {
    TDatabaseForm* form = Dialogs_.Database();
    form->Load(DatabaseDir_);
    ShowWithinScreen(form);
    form->raise();
  });

  object->addSeparator();
  auto* check = object->addAction(QStringLiteral("Проверка п&аспорта…"));
  check->setObjectName(QStringLiteral("CheckPassportAction"));
  connect(check, &QAction::triggered, this, [this] {
    TCheckForm* form = Dialogs_.Check();
    form->Refresh();
    ShowWithinScreen(form);
    form->raise();
  });
}

void TMainForm::MarkItems(std::vector<TItemRef> items) {
  Marked_ = std::move(items);
  Repaint();
}

TRect TMainForm::MarkBox() {
  TRect box = kNoExtent;
  if (!Scheme_) return box;
  for (const TItemRef& ref : Marked_)
    if (TSVItem* item = ItemAt(*Scheme_, ref)) box = UnionRects(box, item->GetBounds(View_));
  return box;
}

void TMainForm::DrawMark() {
  if (Marked_.empty() || !View_.Canvas) return;
  const TRect box = MarkBox();
  if (box.Right < box.Left) return;
  TCanvas& c = *View_.Canvas;
  const TPen pen = c.Pen;
  const TBrush brush = c.Brush;
  c.Pen = TPen{kMarkColor, kMarkWidth, TPenStyle::Solid, TPenMode::Copy};
  c.SetBrushStyle(TBrushStyle::Clear);
  c.Rectangle(box.Left - kMarkMargin, box.Top - kMarkMargin, box.Right + kMarkMargin, box.Bottom + kMarkMargin);
  c.Pen = pen;
  c.Brush = brush;
}
