#include "AboutFormUnit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ProgramInfo.h"

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("О программе"));
  auto* title = new QLabel(kProgramTitle, this);
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  auto* version = new QLabel(QStringLiteral("Версия 2.0"), this);
  version->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  auto* layout = new QVBoxLayout(this);
  layout->addSpacing(12);
  layout->addWidget(title);
  layout->addWidget(version);
  layout->addSpacing(12);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}
