#include "WhiteSignForm.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "qt/QtCanvas.h"

TSignArea::TSignArea(TWhiteSignFormModel& model, QWidget* parent) : QWidget(parent), Form_(model) {
  setObjectName(QStringLiteral("SignArea"));
  setFixedSize(TWhiteSignFormModel::kPictureSize, TWhiteSignFormModel::kPictureSize);
  setCursor(Qt::PointingHandCursor);
}

void TSignArea::paintEvent(QPaintEvent*) {
  TQtCanvas canvas(this);
  Form_.DrawPicture(canvas);
}

void TSignArea::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (Form_.ClickCell(p.x(), p.y())) update();
}

TWhiteSignForm::TWhiteSignForm(TWhiteSignFormModel& model, QWidget* parent) : TItemDialogView(model, false, parent) {
  setWindowTitle(Qs(model.Caption()));
  SignArea_ = new TSignArea(model, this);
  Ok_ = MakeButton(QStringLiteral("Ок"), TDialogButton::Ok, true);
  auto* hint = new QLabel(QStringLiteral("Измените знак на нужный и нажмите Ок"), this);
  hint->setWordWrap(true);
  hint->setMinimumWidth(90);
  auto* right = new QVBoxLayout;
  right->addWidget(Ok_);
  right->addWidget(hint);
  right->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 8, 12, 12);
  layout->setSpacing(16);
  layout->addWidget(SignArea_, 0, Qt::AlignTop);
  layout->addLayout(right);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TWhiteSignForm::Refresh() { SignArea_->update(); }

