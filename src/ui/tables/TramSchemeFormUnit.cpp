#include "TramSchemeFormUnit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "plan/SVInfo.h"
#include "qt/Modal.h"

namespace {

const char* const kDesignNames[TTramSForm::kGroups + 1] = {"", "Г 1", "Г 2", "Г 3", "Г 4"};
const char* const kGroupNames[TTramSForm::kGroups + 1] = {"", "Head1", "Head2", "Head3", "head4"};

}  // namespace

TTramHeadPicture::TTramHeadPicture(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setMinimumSize(sizeHint());
}

void TTramHeadPicture::paintEvent(QPaintEvent*) {
  // The head as the tram schemes are printed, in millimetres around the top
  // of its body: three lamps in a row (1 left, 2 middle, 3 right) and the
  // fourth below the middle one.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = std::min(width() / 34.0, height() / 24.0);
  p.translate(width() / 2.0, (height() - 20 * scale) / 2.0);
  p.scale(scale, scale);
  const QPointF body[] = {{-15, 0}, {-15, 10}, {-5, 20}, {5, 20}, {15, 10}, {15, 0}};
  p.setPen(QPen(Qt::black, 0.4));
  p.setBrush(QColor(0x40, 0x40, 0x40));
  p.drawPolygon(body, 6);
  const QPointF lamps[] = {{-10, 5}, {0, 5}, {10, 5}, {0, 15}};
  QFont font = p.font();
  font.setPointSizeF(4.5);
  font.setBold(true);
  p.setFont(font);
  for (int l = 0; l < 4; ++l) {
    const double r = 25.0 / 6;
    const QRectF lamp(lamps[l].x() - r, lamps[l].y() - r, 2 * r, 2 * r);
    p.setPen(QPen(Qt::black, 0.3));
    p.setBrush(QColor(0xF0, 0xF0, 0xF0));
    p.drawEllipse(lamp);
    p.setPen(Qt::black);
    p.drawText(lamp, Qt::AlignCenter, QString::number(l + 1));
  }
}

TTramSForm::TTramSForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TramSForm"));
  setWindowTitle(QString::fromUtf8(TTramSchemeFormModel::Caption()));
  NumSpin = new QSpinBox(this);
  NumSpin->setObjectName(QStringLiteral("NumSpin"));
  NumSpin->setRange(0, kGroups);
  auto* top = new QHBoxLayout;
  auto* countLabel = new QLabel(QStringLiteral("Число схем подключения трамвайных головок:"), this);
  countLabel->setBuddy(NumSpin);
  top->addWidget(countLabel);
  top->addWidget(NumSpin);
  top->addStretch(1);

  auto* groups = new QGridLayout;
  for (int g = 1; g <= kGroups; ++g) groups->addWidget(CreateGroup(g), (g - 1) / 2, (g - 1) % 2);

  OkButton = new QPushButton(QStringLiteral("Ok"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  OkButton->setAutoDefault(false);
  CancelButton->setAutoDefault(false);
  OkButton->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(groups, 1);
  layout->addLayout(buttons);

  connect(NumSpin, &QSpinBox::valueChanged, this, &TTramSForm::NumSpinChange);
  connect(OkButton, &QPushButton::clicked, this, &TTramSForm::OkClick);
  connect(CancelButton, &QPushButton::clicked, this, &TTramSForm::reject);
}

TTramSForm::~TTramSForm() = default;

QGroupBox* TTramSForm::CreateGroup(int group) {
  TGroupControls& c = Heads[static_cast<std::size_t>(group)];
  c.Box = new QGroupBox(QString::fromUtf8(TTramSchemeFormModel::kGroupCaptions[static_cast<std::size_t>(group)]), this);
  c.Box->setObjectName(QString::fromLatin1(kGroupNames[group]));
  // A hidden scheme keeps its place, so the shown ones do not jump about.
  QSizePolicy policy = c.Box->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  c.Box->setSizePolicy(policy);

  auto* grid = new QGridLayout(c.Box);
  grid->addWidget(new TTramHeadPicture(c.Box), 0, 0, 5, 1, Qt::AlignTop);
  c.Name = new QLineEdit(QString::fromUtf8(kDesignNames[group]), c.Box);
  c.Name->setProperty("tag", 5);
  auto* nameLabel = new QLabel(QStringLiteral("Название: "), c.Box);
  nameLabel->setBuddy(c.Name);
  grid->addWidget(nameLabel, 0, 1);
  grid->addWidget(c.Name, 0, 2, 1, 2);
  connect(c.Name, &QLineEdit::textEdited, this, [this, group](const QString& text) {
    if (Model_) Model_->SetTramName(group, text.toStdString());
  });
  for (int l = 1; l <= kTramLamps; ++l) {
    auto* kind = new QComboBox(c.Box);
    for (const char* item : TTramSchemeFormModel::kKindItems) kind->addItem(QString::fromUtf8(item));
    kind->setProperty("tag", l);
    auto* direction = new QSpinBox(c.Box);
    direction->setRange(1, 99);
    direction->setProperty("tag", l);
    direction->setToolTip(QStringLiteral("Направление"));
    grid->addWidget(new QLabel(QString::number(l), c.Box), l, 1, Qt::AlignRight);
    grid->addWidget(kind, l, 2);
    grid->addWidget(direction, l, 3);
    c.Kinds[static_cast<std::size_t>(l)] = kind;
    c.Directions[static_cast<std::size_t>(l)] = direction;
    connect(kind, &QComboBox::currentIndexChanged, this, [this, group, l](int index) {
      if (Model_ && index >= 0) Model_->SetLampKind(group, l, index);
    });
    connect(direction, &QSpinBox::valueChanged, this, [this, group, l](int value) {
      if (Model_) Model_->SetLampDirection(group, l, value);
    });
  }
  grid->setColumnStretch(2, 1);
  return c.Box;
}

void TTramSForm::Fill(TSVInfo& info) {
  Model_ = std::make_unique<TTramSchemeFormModel>(info);
  const TTramSchemeFormModel& m = *Model_;
  for (int g = 1; g <= kGroups; ++g) {
    TGroupControls& c = Heads[static_cast<std::size_t>(g)];
    const TTramSchemeFormModel::TGroup& group = m.Group(g);
    const QSignalBlocker quietName(c.Name);
    c.Name->setText(QString::fromStdString(group.Name));
    for (int l = 1; l <= kTramLamps; ++l) {
      QComboBox* kind = c.Kinds[static_cast<std::size_t>(l)];
      QSpinBox* direction = c.Directions[static_cast<std::size_t>(l)];
      const QSignalBlocker quietKind(kind);
      const QSignalBlocker quietDirection(direction);
      const TTramSchemeFormModel::TLamp& lamp = group.Lamps[static_cast<std::size_t>(l)];
      // A kind the list does not offer shows no entry.
      kind->setCurrentIndex(lamp.Kind < kind->count() ? lamp.Kind : -1);
      direction->setRange(m.MinDirection(), m.MaxDirection());
      direction->setValue(lamp.Direction);
    }
  }
  {
    const QSignalBlocker quiet(NumSpin);
    NumSpin->setValue(m.Count());
  }
  ShowGroups();
}

void TTramSForm::ShowGroups() {
  for (int g = 1; g <= kGroups; ++g) {
    const bool shown = Model_ && Model_->GroupShown(g);
    QGroupBox* box = Heads[static_cast<std::size_t>(g)].Box;
    box->setVisible(shown);
    box->setEnabled(shown);
  }
}

void TTramSForm::NumSpinChange(int value) {
  if (!Model_) return;
  Model_->Spin("NumSpin", value);
  ShowGroups();
}

bool TTramSForm::Execute(TSVInfo& info) {
  Fill(info);
  const bool stored = ExecModal(*this) == QDialog::Accepted;
  Model_.reset();
  return stored;
}

void TTramSForm::OkClick() {
  if (Model_ && Model_->Press(TDialogButton::Ok) == mrOk) accept();
}

void TTramSForm::reject() {
  if (Model_) Model_->Press(TDialogButton::Cancel);
  QDialog::reject();
}
