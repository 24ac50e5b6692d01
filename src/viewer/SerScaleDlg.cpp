#include "SerScaleDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <cstdio>

#include "model/DrawContext.h"
#include "plan/SVInfo.h"
#include "qt/Modal.h"

double LeadingNumber(const QString& text) {
  const QString t = text.trimmed();
  int end = 0;
  if (end < t.size() && (t[end] == '-' || t[end] == '+')) ++end;
  while (end < t.size() && t[end].isDigit() && t[end].unicode() < 128) ++end;
  if (end < t.size() && t[end] == '.') {
    ++end;
    while (end < t.size() && t[end].isDigit() && t[end].unicode() < 128) ++end;
  }
  bool ok = false;
  const double v = t.left(end).toDouble(&ok);
  return ok ? v : 0.0;
}

namespace {
// Halves go to even, as the rest of the program rounds; the buffer holds the
// largest double in fixed notation, so no digit is cut off.
QString Fixed(double value, int decimals) {
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return QString::fromLatin1(buf);
}
}  // namespace

QString PercentText(double factor) { return Fixed(factor * 100, 0) + QStringLiteral(" %"); }

QString RealScaleText(double value) {
  QString s = Fixed(value, 3);
  // Only the decimals lose their zeros: 1000 stays 1000.
  if (!s.contains('.')) return s;
  while (s.endsWith('0')) s.chop(1);
  if (s.endsWith('.')) s.chop(1);
  return s;
}

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
