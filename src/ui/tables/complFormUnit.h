#pragma once
// "Таблица комплектации": the equipment list with the description of the
// object's connection.
#include <QDialog>
#include <memory>
#include <string>

#include "tables/ComplFormModel.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class TSVInfo;
class TTextGridView;

class TComplForm : public QDialog {
  Q_OBJECT

 public:
  // The name and type lists are read from config.ini once, now.
  explicit TComplForm(const std::string& configPath, QWidget* parent = nullptr);
  ~TComplForm() override;

  // Fills the dialog from the passport information and runs it; true when
  // Ok stored the list and the description.
  bool Execute(TSVInfo& info);
  void Fill(TSVInfo& info);

  TComplFormModel* Model() const { return Model_.get(); }
  TTextGridView* NaprGrid;
  QPlainTextEdit* TextField;
  QComboBox* NAimLB;
  QComboBox* TipLB;
  QComboBox* LineLB;
  QComboBox* widthLB;
  QPushButton* AddValuesButton;
  QPushButton* AddEmptyButton;
  QPushButton* DeleteButton;
  QPushButton* OkButton;
  QPushButton* CancelButton;

 protected:
  void reject() override;

 private:
  void RowButtonClick(const char* caption);
  void ListChange(QComboBox* list);
  void TextFieldChange();
  void OkClick();

  TComplPickLists Lists_;
  std::unique_ptr<TComplFormModel> Model_;
};
