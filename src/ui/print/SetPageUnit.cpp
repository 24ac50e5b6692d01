#include "SetPageUnit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "print/SetPageModel.h"
#include "qt/Modal.h"

void TMarginEdits::Create(QWidget* parent) {
  for (int i = 0; i < 6; ++i) {
    Edits[static_cast<std::size_t>(i)] = new QLineEdit(parent);
    Edits[static_cast<std::size_t>(i)]->setObjectName(QString::fromUtf8(kMarginEdits[i]));
  }
  Margins = new QGroupBox(QStringLiteral("Поля (в см)"), parent);
  auto* m = new QFormLayout(Margins);
  m->addRow(QStringLiteral(" Левое:"), Edits[0]);
  m->addRow(QStringLiteral("Правое:"), Edits[1]);
  m->addRow(QStringLiteral("Верхнее:"), Edits[2]);
  m->addRow(QStringLiteral("Нижнее:"), Edits[3]);
  Colons = new QGroupBox(QStringLiteral("Высота колонтитула (в см)"), parent);
  auto* c = new QFormLayout(Colons);
  c->addRow(QStringLiteral("Верхний:"), Edits[4]);
  c->addRow(QStringLiteral("Нижний:"), Edits[5]);
}

void TMarginEdits::FocusFaulty(int index) {
  if (index < 0 || index >= 6) return;
  QLineEdit* edit = Edits[static_cast<std::size_t>(index)];
  edit->setFocus();
  edit->selectAll();
}

TSetPageForm::TSetPageForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TSetPageForm"));
  setWindowTitle(QStringLiteral("Параметры страницы"));
  Margins.Create(this);
  Title = new QPlainTextEdit(this);
  Title->setObjectName(QStringLiteral("TitleMemo"));
  ColorPrint = new QCheckBox(QStringLiteral("Цветная печать"), this);
  GrayBorder = new QCheckBox(QStringLiteral("Серый бордюр"), this);
  PrintDate = new QCheckBox(QStringLiteral("Вывести дату печати"), this);
  Phases = new QGroupBox(QStringLiteral("Отобразить фазы"), this);
  OnePhase = new QRadioButton(QStringLiteral("Одну фазу"), Phases);
  TwoPhases = new QRadioButton(QStringLiteral("Две фазы"), Phases);
  FirstPhase = new QSpinBox(Phases);
  SecondPhase = new QSpinBox(Phases);
  SecondLabel = new QLabel(QStringLiteral("Вторая фаза "), Phases);
  auto* phases = new QFormLayout(Phases);
  phases->addRow(OnePhase);
  phases->addRow(TwoPhases);
  phases->addRow(QStringLiteral("Первая фаза "), FirstPhase);
  phases->addRow(SecondLabel, SecondPhase);
  connect(TwoPhases, &QRadioButton::toggled, this, [this](bool on) {
    SecondPhase->setEnabled(on);
    SecondLabel->setEnabled(on);
  });

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &TSetPageForm::OkClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* groups = new QHBoxLayout;
  groups->addWidget(Margins.Margins);
  groups->addWidget(Margins.Colons);
  auto* options = new QVBoxLayout;
  options->addWidget(ColorPrint);
  options->addWidget(GrayBorder);
  options->addWidget(PrintDate);
  auto* lower = new QHBoxLayout;
  lower->addLayout(options);
  lower->addWidget(Phases);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(new QLabel(QStringLiteral("Верхний колонтитул:"), this));
  layout->addWidget(Title);
  layout->addLayout(lower);
  layout->addWidget(buttons);
}

void TSetPageForm::Show(const TSetPageModel& model) {
  for (std::size_t i = 0; i < 6; ++i) Margins.Edits[i]->setText(QString::fromStdString(model.MarginTexts[i]));
  Title->setPlainText(QString::fromStdString(model.Title));
  ColorPrint->setChecked(model.ColorPrint);
  ColorPrint->setEnabled(model.ColorEnabled);
  GrayBorder->setChecked(model.GrayBorder);
  GrayBorder->setVisible(model.GrayVisible);
  PrintDate->setChecked(model.PrintDate);
  Phases->setVisible(model.PhaseGroupVisible);
  (model.TwoPhases ? TwoPhases : OnePhase)->setChecked(true);
  for (QSpinBox* spin : {FirstPhase, SecondPhase}) spin->setRange(0, model.PhaseMax);
  FirstPhase->setValue(model.FirstPhase);
  SecondPhase->setValue(model.SecondPhase);
  SecondPhase->setEnabled(model.TwoPhases);
  SecondLabel->setEnabled(model.TwoPhases);
}

void TSetPageForm::Collect(TSetPageModel& model) {
  for (int i = 0; i < 6; ++i)
    model.SetText(kMarginEdits[i], Margins.Edits[static_cast<std::size_t>(i)]->text().toStdString());
  // The memo's line breaks become the CR LF of a title.
  model.SetText("TitleMemo", Title->toPlainText().replace('\n', QStringLiteral("\r\n")).toStdString());
  model.SetChecked("Цветная печать", ColorPrint->isChecked());
  model.SetChecked("Серый бордюр", GrayBorder->isChecked());
  model.SetChecked("Вывести дату печати", PrintDate->isChecked());
  model.Check(TwoPhases->isChecked() ? "Две фазы" : "Одну фазу");
  model.Spin("FirstPhaseSpin", FirstPhase->value());
  model.Spin("SecondPhaseSpin", SecondPhase->value());
}

void TSetPageForm::OkClick() {
  if (!Model_) return;
  Collect(*Model_);
  if (Model_->Press(TDialogButton::Ok) == mrOk)
    accept();
  else
    Margins.FocusFaulty(Model_->FaultyMargin);
}

int TSetPageForm::Execute(TSetPageModel& model) {
  Model_ = &model;
  Show(model);
  const int result = ExecModal(*this) == QDialog::Accepted ? mrOk : mrCancel;
  Model_ = nullptr;
  return result;
}
