#pragma once
// "Таблица изменений СО": the change log dialog.
#include <QDate>
#include <QDialog>
#include <memory>

#include "tables/TexFormModel.h"

class QPushButton;
class TSVInfo;
class TTextGridView;

class TtexForm : public QDialog {
  Q_OBJECT

 public:
  explicit TtexForm(QWidget* parent = nullptr);
  ~TtexForm() override;

  // Fills the dialog from the passport information (a new row dated
  // `today`) and runs it; true when Ok stored the log.
  bool Execute(TSVInfo& info, const QDate& today = QDate::currentDate());
  void Fill(TSVInfo& info, const QDate& today);

  TTexFormModel* Model() const { return Model_.get(); }
  TTextGridView* NaprGrid;
  QPushButton* AddButton;
  QPushButton* DeleteButton;
  QPushButton* OkButton;
  QPushButton* CancelButton;

 protected:
  void reject() override;

 private:
  void RowButtonClick(const char* caption);
  void OkClick();

  std::unique_ptr<TTexFormModel> Model_;
};
