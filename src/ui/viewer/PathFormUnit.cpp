#include "PathFormUnit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTimer>
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
  // The model adds what it reads in batches and sorts afterwards; the
  // directory asked for is kept in view after each of them.
  const auto keepInView = [this] {
    if (!Wanted_.isEmpty()) QTimer::singleShot(0, this, &TPathForm::RevealWanted);
  };
  connect(Model_, &QFileSystemModel::rowsInserted, this, keepInView);
  connect(Model_, &QFileSystemModel::layoutChanged, this, keepInView);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  DriveChange(0);
}

void TPathForm::DriveChange(int index) {
  Wanted_.clear();
  const QString root = Drives_->itemText(index);
  Tree_->setRootIndex(Model_->index(root));
  Edit_->setText(root);
}

void TPathForm::TreeClick(const QModelIndex& index) {
  Wanted_.clear();
  Edit_->setText(Model_->filePath(index));
}

void TPathForm::SetDirectory(const QString& dir) {
  const QDir d(dir);
  if (dir.isEmpty() || !d.exists()) {
    DriveChange(Drives_->currentIndex());
    return;
  }
  const QString path = QDir::cleanPath(d.absolutePath());
  // The drive is the longest listed root the directory lies under.
  int drive = 0;
  for (int i = 0; i < Drives_->count(); ++i) {
    const QString root = Drives_->itemText(i);
    const QString prefix = root.endsWith('/') ? root : root + '/';
    if ((path == root || path.startsWith(prefix)) && root.size() > Drives_->itemText(drive).size()) drive = i;
  }
  {
    const QSignalBlocker quiet(Drives_);
    Drives_->setCurrentIndex(drive);
  }
  Tree_->setRootIndex(Model_->index(Drives_->itemText(drive)));
  Edit_->setText(path);
  Wanted_ = path;
  RevealWanted();
}

void TPathForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Scrolling is measured in the tree's final size, known once it is laid out.
  QTimer::singleShot(0, this, &TPathForm::RevealWanted);
}

// The model reads directories in the background; each directory read on the
// way down lets the tree open one level more, and rows read above the
// directory push it down, until it shows.
void TPathForm::RevealWanted() {
  if (Wanted_.isEmpty()) return;
  const QModelIndex index = Model_->index(Wanted_);
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) Tree_->expand(up);
  Tree_->setCurrentIndex(index);
  Tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QString TPathForm::Directory() const { return Edit_->text(); }
