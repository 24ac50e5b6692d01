#pragma once
// The comparison of two passports, or of two versions of one: the summary
// line, the later scheme with the differences marked (added green, removed
// red, changed orange) and the information differences as a table of field,
// before and after. A window that lists versions puts it beside its list.
#include <QWidget>
#include <memory>

#include "history/PassportDiff.h"
#include "history/SchemeMatch.h"
#include "model/DrawContext.h"

class QLabel;
class QTableWidget;
class TPaintBox;
class TQtCanvas;
class TSVObject;

class TComparePanel : public QWidget {
  Q_OBJECT

 public:
  explicit TComparePanel(QWidget* parent = nullptr);
  ~TComparePanel() override;

  // Reads both sides and shows what changed from `before` to `after`.
  void Compare(const TPassportFiles& before, const TPassportFiles& after);
  // Shows nothing (no passports chosen yet).
  void Clear();

  const TPassportDiff& Diff() const { return Diff_; }
  TPaintBox* Picture() const { return Map_; }
  QTableWidget* Table() const { return Table_; }
  QLabel* Summary() const { return Summary_; }

 private:
  void CanvasChanged(TQtCanvas* canvas);
  void Paint();
  void FillTable();

  QLabel* Summary_;
  TPaintBox* Map_;
  QTableWidget* Table_;
  std::unique_ptr<TSVObject> Before_;
  std::unique_ptr<TSVObject> After_;
  TSchemeMatch Match_;
  TPassportDiff Diff_;
  TDrawContext View_;
};
