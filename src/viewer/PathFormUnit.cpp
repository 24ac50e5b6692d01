#include "PathFormUnit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

TPathForm::TPathForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Путь к базе данных"));
  Edit_ = new QLineEdit(this);
  Drives_ = new QComboBox(this);
  // The "drives" here are the mounted file systems, the root first.
  QStringList roots{QDir::rootPath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
  roots << QDir::homePath();
  Drives_->addItems(roots);

  Model_ = new QFileSystemModel(this);
  Model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  Model_->setRootPath(QDir::rootPath());
  Tree_ = new QTreeView(this);
  Tree_->setModel(Model_);
  for (int column = 1; column < Model_->columnCount(); ++column) Tree_->hideColumn(column);
  Tree_->header()->hide();
  Tree_->setMinimumSize(360, 300);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ok"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Edit_);
  layout->addWidget(Drives_);
  layout->addWidget(Tree_);
  layout->addWidget(buttons);

  connect(Drives_, &QComboBox::currentIndexChanged, this, &TPathForm::DriveChange);
  connect(Tree_, &QTreeView::clicked, this, &TPathForm::TreeClick);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  DriveChange(0);
}

void TPathForm::DriveChange(int index) {
  const QString root = Drives_->itemText(index);
  Tree_->setRootIndex(Model_->index(root));
  Edit_->setText(root);
}

void TPathForm::TreeClick(const QModelIndex& index) { Edit_->setText(Model_->filePath(index)); }

void TPathForm::SetDirectory(const QString& dir) {
  const QDir d(dir);
  if (dir.isEmpty() || !d.exists()) {
    DriveChange(Drives_->currentIndex());
    return;
  }
  const QString path = d.absolutePath();
  const QModelIndex index = Model_->index(path);
  Tree_->setCurrentIndex(index);
  Tree_->scrollTo(index);
  Edit_->setText(path);
}

QString TPathForm::Directory() const { return Edit_->text(); }
