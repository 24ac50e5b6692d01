#include "SelNaprForm.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/QtCanvas.h"

TNaprPreview::TNaprPreview(const TSelNaprFormModel& model, QWidget* parent) : QWidget(parent), Form_(model) {
  setObjectName(QStringLiteral("ExPlace"));
  setMinimumSize(TSelNaprFormModel::kPreviewWidth, TSelNaprFormModel::kPreviewHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TNaprPreview::sizeHint() const { return QSize(TSelNaprFormModel::kPreviewWidth, TSelNaprFormModel::kPreviewHeight); }

void TNaprPreview::paintEvent(QPaintEvent*) {
  TQtCanvas canvas(this);
  canvas.Painter().setRenderHint(QPainter::Antialiasing, true);
  Form_.DrawPreview(canvas, width(), height(), FromQColor(palette().color(QPalette::Window)));
}

TSelNaprForm::TSelNaprForm(TSelNaprFormModel& model, QWidget* parent)
    : TItemDialogView(model, true, parent), Form_(model) {
  setWindowTitle(Qs(model.Caption()));
  ExPlace_ = new TNaprPreview(model, this);
  Oneway_ = AddGroup("Oneway", QStringLiteral("Стрелка"), model.OnewayGroup(), 1);
  Run_ = AddGroup("Run", QStringLiteral("Цвет"), model.RunGroup(), 1);
  Dotted_ = AddGroup("Dotted", QStringLiteral("Тип линии"), model.DottedGroup(), 1);
  TextField_ = MakeEdit("textfield");
  auto* caption = new QLabel(QStringLiteral("Подпись к направлению"), this);
  caption->setBuddy(TextField_);
  Ok_ = MakeButton(QStringLiteral("Оk"), TDialogButton::Ok, true);
  Cancel_ = MakeButton(QStringLiteral("Cancel"), TDialogButton::Cancel, false);

  auto* groups = new QHBoxLayout;
  groups->addWidget(Oneway_->Box());
  groups->addWidget(Run_->Box());
  groups->addWidget(Dotted_->Box());
  auto* label = new QHBoxLayout;
  label->addWidget(caption);
  label->addWidget(TextField_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Ok_);
  buttons->addWidget(Cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 8, 16, 12);
  layout->addWidget(ExPlace_);
  layout->addLayout(groups);
  layout->addLayout(label);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Refresh();
}

void TSelNaprForm::Refresh() {
  Oneway_->Mirror(Form_.OnewayGroup());
  Run_->Mirror(Form_.RunGroup());
  Dotted_->Mirror(Form_.DottedGroup());
  MirrorEdit(TextField_, Form_.Label());
  ExPlace_->update();
}

