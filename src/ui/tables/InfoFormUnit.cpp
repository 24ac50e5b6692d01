#include "InfoFormUnit.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/Modal.h"
#include "qt/ScreenFit.h"
#include "tables/InfoFormModel.h"

TInfoForm::TInfoForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("InfoForm"));
  setWindowTitle(QString::fromStdString(TInfoFormModel::Caption()));
  NumLabel_ = new QLabel(this);
  NumLabel_->setObjectName(QStringLiteral("NumLabel"));
  First_ = new QLineEdit(this);
  First_->setObjectName(QStringLiteral("first"));
  Second_ = new QLineEdit(this);
  Second_->setObjectName(QStringLiteral("Second"));
  Comment_ = new QPlainTextEdit(this);
  Comment_->setObjectName(QStringLiteral("CommField"));
  Comment_->setToolTip(QStringLiteral("Произвольный комментарий к паспорту"));
  Comment_->setTabChangesFocus(true);

  auto* typeBox = new QGroupBox(QStringLiteral("Тип объекта:"), this);
  typeBox->setObjectName(QStringLiteral("TypeGroup"));
  TypeGroup_ = new QButtonGroup(this);
  auto* typeLayout = new QVBoxLayout(typeBox);
  for (int i = 0; i < 3; ++i) {
    auto* item = new QRadioButton(QString::fromUtf8(TInfoFormModel::kTypeCaptions[i]), typeBox);
    TypeGroup_->addButton(item, i);
    typeLayout->addWidget(item);
  }
  Napr_ = new QLineEdit(this);
  Napr_->setObjectName(QStringLiteral("Napr"));
  Phase_ = new QLineEdit(this);
  Phase_->setObjectName(QStringLiteral("phase"));
  auto* counts = new QFormLayout;
  counts->addRow(QStringLiteral("Направлений :"), Napr_);
  counts->addRow(QStringLiteral("Фаз:"), Phase_);
  auto* countsBox = new QVBoxLayout;
  countsBox->addLayout(counts);
  countsBox->addStretch(1);

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &TInfoForm::OkClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* address = new QFormLayout;
  address->addRow(QStringLiteral("Первая строка адреса"), First_);
  address->addRow(QStringLiteral("Вторая строка адреса"), Second_);

  auto* middle = new QHBoxLayout;
  middle->addWidget(typeBox);
  middle->addLayout(countsBox, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(NumLabel_);
  layout->addLayout(address);
  layout->addWidget(new QLabel(QStringLiteral("Описание: "), this));
  layout->addWidget(Comment_, 1);
  layout->addLayout(middle);
  layout->addLayout(buttons);
  ResizeWithinScreen(this, QSize(460, 420));
}

TInfoForm::~TInfoForm() = default;

QRadioButton* TInfoForm::TypeItem(int type) const { return qobject_cast<QRadioButton*>(TypeGroup_->button(type)); }

void TInfoForm::Fill() {
  const TInfoFormModel& m = *Model_;
  NumLabel_->setText(QString::fromStdString(m.NumLabel()));
  First_->setText(QString::fromStdString(m.Text("first")));
  Second_->setText(QString::fromStdString(m.Text("Second")));
  // The memo shows line breaks as single characters; the passport's own are
  // CR LF.
  CommentShown_ = QString::fromStdString(m.Text("CommField")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Comment_->setPlainText(CommentShown_);
  Napr_->setText(QString::fromStdString(m.Text("Napr")));
  Phase_->setText(QString::fromStdString(m.Text("phase")));
  // A type outside the three items (a damaged info.txt) leaves every item
  // unchecked, so Ok keeps it unless the user picks one; the item checked
  // for the previous passport must not carry over.
  TypeGroup_->setExclusive(false);
  for (QAbstractButton* item : TypeGroup_->buttons()) item->setChecked(false);
  TypeGroup_->setExclusive(true);
  if (QRadioButton* item = TypeItem(m.ObjectType())) item->setChecked(true);
}

bool TInfoForm::Execute(TSVInfo& info) {
  Model_ = std::make_unique<TInfoFormModel>(info);
  Fill();
  First_->setFocus();
  const int result = ExecModal(*this);
  if (result == QDialog::Accepted) {
    PlanEntries_ = Model_->PlanEntriesEnabled();
    Phases_ = Model_->PhaseSelectorCount();
  }
  Model_.reset();
  return result == QDialog::Accepted;
}

void TInfoForm::OkClick() {
  if (!Model_) return;
  TInfoFormModel& m = *Model_;
  m.SetText("first", First_->text().toStdString());
  m.SetText("Second", Second_->text().toStdString());
  // An untouched comment stays as read, whatever its line ends.
  QString comment = Comment_->toPlainText();
  if (comment != CommentShown_) m.SetText("CommField", comment.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString());
  m.SetText("Napr", Napr_->text().toStdString());
  m.SetText("phase", Phase_->text().toStdString());
  if (QAbstractButton* item = TypeGroup_->checkedButton()) m.Check(item->text().toStdString());
  if (m.Press(TDialogButton::Ok) == mrOk) {
    accept();
    return;
  }
  // Refused: the cursor goes to the count that could not be taken.
  QLineEdit* bad = m.BadField() == "Napr" ? Napr_ : m.BadField() == "phase" ? Phase_ : nullptr;
  if (bad) {
    bad->setFocus();
    bad->selectAll();
  }
}
