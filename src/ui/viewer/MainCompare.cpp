// The main window's entry "Сравнить с паспортом…" in the menu "Светофорный
// объект": the open passport against another one, in a window of its own
// made on first use and kept.
#include <QMenu>

#include "CompareFormUnit.h"
#include "MainForm.h"
#include "model/SVObject.h"
#include "qt/ScreenFit.h"

void TMainForm::CreateCompareEntry(QMenu* object) {
  auto* compare = object->addAction(QStringLiteral("Сра&внить с паспортом…"));
  compare->setObjectName(QStringLiteral("ComparePassportAction"));
  connect(compare, &QAction::triggered, this, [this] {
    if (!Scheme_) return;
    if (!CompareForm_) CompareForm_ = new TCompareForm(this);
    CompareForm_->Load(DatabaseDir_, Scheme_->Dir);
    ShowWithinScreen(CompareForm_);
    CompareForm_->raise();
  });
}
