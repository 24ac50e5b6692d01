#pragma once
// "Масштаб": the zoom of the scheme, the zoom of the conventional signs and
// the passport's real scale.
#include <QDialog>

class QComboBox;
class QLineEdit;
class TDrawContext;
class TSVInfo;

class TSetScale : public QDialog {
  Q_OBJECT

 public:
  explicit TSetScale(QWidget* parent = nullptr);

  // Fills the dialog from the view and the passport, runs it, and applies it
  // when confirmed. True when applied.
  bool Execute(TDrawContext& view, TSVInfo& info);
  void Fill(const TDrawContext& view, const TSVInfo& info);
  void Apply(TDrawContext& view, TSVInfo& info);

  QComboBox* Edit1() const { return Edit1_; }
  QComboBox* edit2() const { return Edit2_; }
  QLineEdit* realScaleBox() const { return RealScale_; }

 private:
  QComboBox* Edit1_;
  QComboBox* Edit2_;
  QLineEdit* RealScale_;
};

// The number a text starts with, blanks before it skipped, with a decimal
// comma or point: "125 %" gives 125, "0,75" and "0.75" give 0.75, text
// without one gives 0.
double LeadingNumber(const QString& text);
// A percentage as the scale fields show it: "125 %".
QString PercentText(double factor);
// The real scale with three decimals, trailing zeros and comma dropped:
// 0.75 shows as "0,75".
QString RealScaleText(double value);
