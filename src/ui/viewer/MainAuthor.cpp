// "Автор изменений…" of the viewer's "Опции" menu.
#include <QMenu>

#include "AuthorFormUnit.h"
#include "MainForm.h"
#include "history/VersionedStore.h"
#include "model/SVObject.h"
#include "platform/IniFile.h"

void TMainForm::CreateAuthorEntry(QMenu* options) {
  QAction* entry = options->addAction(QStringLiteral("&Автор изменений…"));
  entry->setObjectName(QStringLiteral("AuthorAction"));
  entry->setProperty("available", true);
  connect(entry, &QAction::triggered, this, &TMainForm::AuthorClick);
}

void TMainForm::AuthorClick() {
  if (!Config_) return;
  TAuthorDialog dialog(this);
  const std::optional<TAuthor> author = dialog.Execute(*Config_);
  if (!author) return;
  // The open passport's store was made with the author of its opening; its
  // next save must already carry the new one (the versions still being
  // recorded keep the author they were saved under).
  SettleVersions();
  if (Scheme_)
    if (auto* versioned = dynamic_cast<TVersionedStore*>(Scheme_->Store.get())) versioned->SetAuthor(*author);
}
