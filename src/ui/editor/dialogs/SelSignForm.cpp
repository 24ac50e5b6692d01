#include "SelSignForm.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ItemPictures.h"

namespace {
constexpr int kPictureSize = 30;
}

TSelSignForm::TSelSignForm(TSelSignFormModel& model, QWidget* parent)
    : TItemDialogView(model, true, parent), Form_(model), Group_(new QButtonGroup(this)) {
  setWindowTitle(Qs(model.Caption()));
  Buttons_.assign(19, nullptr);
  Pictures_.assign(19, nullptr);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  grid->setColumnMinimumWidth(2, 24);
  int rows[2] = {0, 0};
  const QColor background = palette().color(QPalette::Window);
  for (const TSignChoice& choice : TSelSignFormModel::Choices()) {
    auto* picture = new QLabel(this);
    picture->setPixmap(SignPicture(choice.Kind, kPictureSize, devicePixelRatioF(), background));
    picture->setFixedSize(kPictureSize, kPictureSize);
    auto* button = new QRadioButton(Qs(TSelSignFormModel::KindCaption(choice.Kind)), this);
    button->setObjectName(QString::fromLatin1(choice.Name));
    Group_->addButton(button, choice.Kind);
    const int column = choice.Column == 0 ? 0 : 3;
    grid->addWidget(picture, rows[choice.Column], column, Qt::AlignCenter);
    grid->addWidget(button, rows[choice.Column], column + 1);
    ++rows[choice.Column];
    Buttons_[static_cast<std::size_t>(choice.Kind)] = button;
    Pictures_[static_cast<std::size_t>(choice.Kind)] = picture;
  }
  connect(Group_, &QButtonGroup::idToggled, this, [this](int kind, bool checked) {
    if (!checked) return;
    Form_.Check(TSelSignFormModel::KindCaption(kind));
    Refresh();
    // The number proposed for the kind is selected, so that a number typed
    // now replaces it instead of joining it.
    TextField_->setFocus();
    TextField_->selectAll();
  });

  // The number and the buttons fill the right column below its radio buttons.
  TextField_ = MakeEdit("textfield");
  auto* numberLabel = new QLabel(QStringLiteral("Номер знака :"), this);
  numberLabel->setBuddy(TextField_);
  auto* number = new QHBoxLayout;
  number->addWidget(numberLabel);
  number->addWidget(TextField_, 1);
  Ok_ = MakeButton(QStringLiteral("Ok"), TDialogButton::Ok, true);
  Cancel_ = MakeButton(QStringLiteral("Cancel"), TDialogButton::Cancel, false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Ok_);
  buttons->addSpacing(16);
  buttons->addWidget(Cancel_);
  buttons->addStretch(1);
  grid->addLayout(number, rows[1], 3, 1, 2);
  grid->addLayout(buttons, rows[1] + 1, 3, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 8, 16, 12);
  layout->addLayout(grid);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Refresh();
}

QRadioButton* TSelSignForm::KindButton(int kind) const {
  return kind >= 1 && kind <= 18 ? Buttons_[static_cast<std::size_t>(kind)] : nullptr;
}

QLabel* TSelSignForm::KindPicture(int kind) const {
  return kind >= 1 && kind <= 18 ? Pictures_[static_cast<std::size_t>(kind)] : nullptr;
}

void TSelSignForm::Refresh() {
  {
    const QSignalBlocker block(Group_);
    Group_->setExclusive(false);
    for (int kind = 1; kind <= 18; ++kind) Buttons_[static_cast<std::size_t>(kind)]->setChecked(kind == Form_.Kind());
    Group_->setExclusive(true);
  }
  MirrorEdit(TextField_, Form_.Number());
}

