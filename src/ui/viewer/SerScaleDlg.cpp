#include "SerScaleDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "model/DrawContext.h"
#include "plan/SVInfo.h"
#include "platform/UserNumbers.h"
#include "qt/Modal.h"

double LeadingNumber(const QString& text) {
  double value = 0;
  return ParseLeadingUserReal(text.toStdString(), value) ? value : 0.0;
}

QString PercentText(double factor) {
  return QString::fromStdString(FormatUserFixed(factor * 100, 0)) + QStringLiteral(" %");
}

QString RealScaleText(double value) { return QString::fromStdString(FormatUserTrimmed(value, 3)); }

TSetScale::TSetScale(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Масштаб"));
  Edit1_ = new QComboBox(this);
  Edit1_->setEditable(true);
  Edit1_->addItems({"10 %", "25 %", "50 %", "75 %", "100 %", "125 %", "150 %", "200 %", "300 %", "400 %", "500 %"});
  Edit2_ = new QComboBox(this);
  Edit2_->setEditable(true);
  Edit2_->addItems({"50 %", "75 %", "100 %", "125 %", "150 %", "200 %", "300 %", "400 %", "500 %"});
  RealScale_ = new QLineEdit(this);
  RealScale_->setToolTip(QStringLiteral("Лучше не изменять"));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Увеличение схемы"), Edit1_);
  form->addRow(QStringLiteral("Увеличение условных знаков"), Edit2_);
  form->addRow(QStringLiteral("Увеличение пространственных объектов"), RealScale_);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TSetScale::Fill(const TDrawContext& view, const TSVInfo& info) {
  Edit1_->setEditText(PercentText(view.Zoom));
  Edit2_->setEditText(PercentText(view.SignScale));
  RealScale_->setText(RealScaleText(info.RealScale));
}

void TSetScale::Apply(TDrawContext& view, TSVInfo& info) {
  double zoom = LeadingNumber(Edit1_->currentText());
  if (zoom * 0.01 < 0.05) zoom = 100;
  view.ZoomAtCentre(zoom * 0.01);
  double sign = LeadingNumber(Edit2_->currentText());
  if (sign * 0.01 < 0.4) sign = 100;
  view.SetSignScale(sign * 0.01);
  const double real = LeadingNumber(RealScale_->text());
  if (real > 0) {
    info.RealScale = real;
    view.ObjectScale = real;
  }
}

bool TSetScale::Execute(TDrawContext& view, TSVInfo& info) {
  Fill(view, info);
  if (ExecModal(*this) != QDialog::Accepted) return false;
  Apply(view, info);
  return true;
}
