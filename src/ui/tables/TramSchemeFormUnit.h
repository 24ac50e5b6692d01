#pragma once
// "Схемы подключения трамвайных головок": the tram-head connection schemes.
#include <QDialog>
#include <array>
#include <memory>

#include "tables/TramSchemeFormModel.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TSVInfo;

class TTramSForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kGroups = TTramSchemeFormModel::kGroups;

  explicit TTramSForm(QWidget* parent = nullptr);
  ~TTramSForm() override;

  // Fills the dialog from the passport information and runs it; true when
  // Ok stored the schemes.
  bool Execute(TSVInfo& info);
  void Fill(TSVInfo& info);

  TTramSchemeFormModel* Model() const { return Model_.get(); }

  // The controls of one scheme; lamp controls [1..4], [0] unused.
  struct TGroupControls {
    QGroupBox* Box = nullptr;
    QLineEdit* Name = nullptr;
    std::array<QComboBox*, kTramLamps + 1> Kinds{};
    std::array<QSpinBox*, kTramLamps + 1> Directions{};
  };
  QSpinBox* NumSpin;
  // [1..4]; [0] unused.
  std::array<TGroupControls, kGroups + 1> Heads;
  QPushButton* OkButton;
  QPushButton* CancelButton;

 protected:
  void reject() override;

 private:
  QGroupBox* CreateGroup(int group);
  void ShowGroups();
  void NumSpinChange(int value);
  void OkClick();

  std::unique_ptr<TTramSchemeFormModel> Model_;
};

// The picture of a tram head in a group: the body with its four lamps,
// numbered as the lamp controls beside it.
class TTramHeadPicture : public QWidget {
  Q_OBJECT

 public:
  explicit TTramHeadPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {76, 60}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};
