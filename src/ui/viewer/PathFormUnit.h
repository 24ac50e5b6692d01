#pragma once
// The directory browser of the database path dialog: a drive list, a
// directory tree and an edit box with the chosen directory.
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QTreeView;

class TPathForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPathForm(QWidget* parent = nullptr);

  // Shows `dir` selected in the tree of its drive (or the drive chosen last
  // when it does not exist).
  void SetDirectory(const QString& dir);
  QString Directory() const;

  QComboBox* DriveBox() const { return Drives_; }
  QTreeView* Tree() const { return Tree_; }
  QLineEdit* PathEdit() const { return Edit_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void DriveChange(int index);
  void TreeClick(const QModelIndex& index);
  void RevealWanted();

  QComboBox* Drives_;
  QTreeView* Tree_;
  QLineEdit* Edit_;
  QFileSystemModel* Model_;
  // The directory SetDirectory asked for, kept in view while the model
  // reads its way down to it; empty once the user picks another.
  QString Wanted_;
};
