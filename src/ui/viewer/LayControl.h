#pragma once
// "Управление слоями": for groups of the twelve layers, whether they are
// shown, editable and labelled. A row that stands for several layers shows
// the switches of its first layer and sets all of them alike.
#include <QDialog>
#include <array>
#include <vector>

#include "view/LayerRows.h"

class QCheckBox;
class TSVObject;

class TlayersDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = kLayerRowCount;
  enum TColumn { kVisible, kEditable, kText };

  explicit TlayersDlg(QWidget* parent = nullptr);

  // Fills the check boxes from the scheme's layers, runs the dialog and,
  // when it is confirmed, stores them. True when stored.
  bool Execute(TSVObject& scheme);
  void Fill(TSVObject& scheme);
  void Store(TSVObject& scheme);

  QCheckBox* Box(int row, TColumn column) const { return Boxes_[row][column]; }
  static QString RowLabel(int row);
  // The layers a row stands for, the one it shows first.
  static const std::vector<int>& RowLayers(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void VisibleClick(int row);
  void OkClick();

  std::array<std::array<QCheckBox*, 3>, kRows> Boxes_{};
  class QPushButton* Ok_;
};
