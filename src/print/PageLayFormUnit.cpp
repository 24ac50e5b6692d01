#include "PageLayFormUnit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "print/PageLayModel.h"
#include "print/SetPageModel.h"
#include "qt/Modal.h"

TPageLayForm::TPageLayForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TPageLayForm"));
  setWindowTitle(QStringLiteral("Параметры страницы"));
  Margins.Create(this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* groups = new QHBoxLayout;
  groups->addWidget(Margins.Margins);
  groups->addWidget(Margins.Colons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Параметры страницы по умолчанию:"), this));
  layout->addLayout(groups);
  layout->addWidget(buttons);
}

int TPageLayForm::Execute(TIniFile& config) {
  TPageLayModel model;
  model.Fill(config);
  for (std::size_t i = 0; i < 6; ++i) Margins.Edits[i]->setText(QString::fromStdString(model.Texts[i]));
  if (ExecModal(*this) != QDialog::Accepted) return model.Press(TDialogButton::Cancel);
  for (int i = 0; i < 6; ++i)
    model.SetText(kMarginEdits[i], Margins.Edits[static_cast<std::size_t>(i)]->text().toStdString());
  return model.Press(TDialogButton::Ok);
}
