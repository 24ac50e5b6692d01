#include "SelHeadForm.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ItemPictures.h"

namespace {
constexpr int kPictureSize = 34;
}

TSelHeadForm::TSelHeadForm(TSelHeadFormModel& model, QWidget* parent)
    : TItemDialogView(model, true, parent), Form_(model), KindGroup_(new QButtonGroup(this)) {
  setWindowTitle(Qs(model.Caption()));

  // The head kinds, each beside its picture.
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* kinds = new QGridLayout(panel);
  const char* names[3] = {"avto", "ped", "tram"};
  for (int i = 0; i < 3; ++i) {
    Pictures_[static_cast<std::size_t>(i)] = new QLabel(panel);
    Pictures_[static_cast<std::size_t>(i)]->setFixedSize(kPictureSize, kPictureSize);
    auto* button = new QRadioButton(Qs(model.HeadKindGroup().Items[static_cast<std::size_t>(i)]), panel);
    button->setObjectName(QString::fromLatin1(names[i]));
    KindGroup_->addButton(button, i);
    Kinds_[static_cast<std::size_t>(i)] = button;
    kinds->addWidget(Pictures_[static_cast<std::size_t>(i)], i, 0, Qt::AlignCenter);
    kinds->addWidget(button, i, 1);
  }
  kinds->setColumnStretch(1, 1);
  connect(KindGroup_, &QButtonGroup::idToggled, this, [this](int kind, bool checked) {
    if (!checked) return;
    Form_.Check(Form_.HeadKindGroup().Items[static_cast<std::size_t>(kind)]);
    Refresh();
  });

  auto* carNapr = new QGroupBox(QStringLiteral("Направление для машин и пешеходов"), this);
  carNapr->setObjectName(QStringLiteral("CarNapr"));
  NaprBox_ = MakeList("NaprBox");
  auto* carLayout = new QVBoxLayout(carNapr);
  carLayout->addWidget(NaprBox_);

  auto* tramNapr = new QGroupBox(QStringLiteral("Направления для трамваев"), this);
  tramNapr->setObjectName(QStringLiteral("tramNapr"));
  LeftBox_ = MakeList("leftBox");
  ForBox_ = MakeList("forbox");
  RightBox_ = MakeList("rightbox");
  auto* tramLayout = new QGridLayout(tramNapr);
  const QString captions[3] = {QStringLiteral("Налево"), QStringLiteral("Прямо"), QStringLiteral("Направо")};
  QComboBox* lists[3] = {LeftBox_, ForBox_, RightBox_};
  for (int i = 0; i < 3; ++i) {
    tramLayout->addWidget(lists[i], 0, i);
    auto* label = new QLabel(captions[i], tramNapr);
    label->setBuddy(lists[i]);
    tramLayout->addWidget(label, 1, i, Qt::AlignHCenter);
  }

  auto* top = new QHBoxLayout;
  top->addWidget(panel, 1);
  auto* groups = new QVBoxLayout;
  groups->addWidget(carNapr);
  groups->addWidget(tramNapr);
  top->addSpacing(8);
  top->addLayout(groups, 1);

  ArrowGroup_ = AddGroup("ArrowGroup", QStringLiteral("Стрелка для транспортной  секции"),
                                    model.ArrowGroup(), 3);

  TextField_ = MakeEdit("textfield");
  auto* labelCaption = new QLabel(QStringLiteral("Подпись для объекта"), this);
  labelCaption->setBuddy(TextField_);
  auto* labelColumn = new QVBoxLayout;
  labelColumn->addWidget(labelCaption);
  labelColumn->addWidget(TextField_);
  Ok_ = MakeButton(QStringLiteral("Ok"), TDialogButton::Ok, true);
  Cancel_ = MakeButton(QStringLiteral("Cancel"), TDialogButton::Cancel, false);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(labelColumn, 1);
  bottom->addSpacing(24);
  bottom->addWidget(Ok_, 0, Qt::AlignBottom);
  bottom->addWidget(Cancel_, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 8, 16, 12);
  layout->addLayout(top);
  layout->addWidget(ArrowGroup_->Box());
  layout->addSpacing(6);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Refresh();
}

QComboBox* TSelHeadForm::MakeList(const char* name) {
  auto* box = new QComboBox(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setMinimumContentsLength(5);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  const std::string control = name;
  connect(box, &QComboBox::currentIndexChanged, this, [this, box, control](int index) {
    if (index >= 0) Form_.Select(control, Std(box->itemText(index)));
    Refresh();
  });
  return box;
}

void TSelHeadForm::DrawPictures() {
  // The vehicle head shows the arrow chosen for it.
  const int arrow = Form_.ArrowKind() < 0 ? 0 : Form_.ArrowKind();
  if (arrow == PictureArrow_) return;
  PictureArrow_ = arrow;
  const QColor background = palette().color(QPalette::Window);
  for (int i = 0; i < 3; ++i)
    Pictures_[static_cast<std::size_t>(i)]->setPixmap(
        HeadPicture(i, arrow, kPictureSize, devicePixelRatioF(), background));
}

void TSelHeadForm::Refresh() {
  {
    const QSignalBlocker block(KindGroup_);
    for (int i = 0; i < 3; ++i) Kinds_[static_cast<std::size_t>(i)]->setChecked(i == Form_.HeadKind());
  }
  MirrorList(NaprBox_, Form_.NaprBox());
  MirrorList(LeftBox_, Form_.LeftBox());
  MirrorList(ForBox_, Form_.ForBox());
  MirrorList(RightBox_, Form_.RightBox());
  ArrowGroup_->Mirror(Form_.ArrowGroup());
  MirrorEdit(TextField_, Form_.Label());
  DrawPictures();
}

