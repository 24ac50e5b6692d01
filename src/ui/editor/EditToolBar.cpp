#include "EditToolBar.h"

#include <QButtonGroup>
#include <QFrame>
#include <QSignalBlocker>
#include <QToolButton>

#include "edit/EditSession.h"
#include "qt/Cursors.h"
#include "qt/FlowLayout.h"

namespace {

struct TToolLook {
  const char* Hint;
  const char* Icon;
  const char* Text;  // shown where the icon file is missing
};

// Each item kind drawn as it looks on the scheme.
const TToolLook kLooks[] = {
    {"Выбор элемента схемы", "pointer", "↖"},
    {"Прямой бордюр", "edit_slb", "Б"},
    {"Закругленный бордюр", "edit_cb", "Б("},
    {"Колодец", "edit_well", "К"},
    {"Кабель", "edit_cable", "~"},
    {"Передвинуть схему", "pan", "✋"},
    {"Контроллер", "edit_contr", "Кт"},
    {"Увеличить изображение", "zoomin", "+"},
    {"Уменьшить изображение", "zoomout", "−"},
    {"Стойка или столб", "edit_stolb", "С"},
    {"Соединительная линия", "edit_stick", "/"},
    {"Головка", "edit_head", "Г"},
    {"Знак", "edit_sign", "Зн"},
    {"Направление движения", "edit_napr", "→"},
    {"Портал", "edit_ferma", "П"},
    {"Подпись", "edit_text", "А"},
    {"Прямой участок рельсов", "edit_tram", "Р"},
    {"Закругленный участок рельсов", "edit_rtram", "Р("},
    {"Здание", "edit_build", "Зд"},
    {"Зебра", "edit_zebra", "Зб"},
    {"Стоп-линия", "edit_stopline", "Ст"},
    {"Пешеходный переход", "edit_pedline", "ПП"},
    {"Разделительная линия", "edit_singleline", "--"},
    {"Разрешенные направления движения", "edit_markarrow", "↑"},
    {"Телефонная коробка", "edit_phone", "Т"},
    {"Отдельный знак", "edit_tstolb", "Оз"},
    {"Трос", "edit_tros", "Тр"},
    {"Консоль", "edit_console", "Кн"},
    {"Щит силовой", "edit_power", "Щ"},
    {"Перенос", "edit_basemove", "Гм"},
    {"Подгонка под основу", "edit_align", "Гп"},
};

const TToolLook* LookOf(const QString& hint) {
  for (const TToolLook& look : kLooks)
    if (hint == QString::fromUtf8(look.Hint)) return &look;
  return nullptr;
}

}  // namespace

QString ToolIconName(const QString& hint) {
  const TToolLook* look = LookOf(hint);
  return look ? QString::fromLatin1(look->Icon) : QString();
}

QToolButton* MakeEditButton(QWidget* parent, const QString& icon, const QString& text, const QString& hint,
                            bool checkable) {
  return MakeToolButton(parent, icon, text, hint, checkable, 30);
}

TEditToolBar::TEditToolBar(QWidget* parent) : QWidget(parent) {
  Group_ = new QButtonGroup(this);
  Group_->setExclusive(true);
  // Wraps onto a second row on a narrow screen: every tool stays in reach.
  auto* row = new TFlowLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(1);
  const std::vector<TToolInfo>& tools = TEditSession::Tools();
  for (std::size_t i = 0; i < tools.size(); ++i) {
    const QString hint = QString::fromStdString(tools[i].Hint);
    const TToolLook* look = LookOf(hint);
    QToolButton* b = MakeEditButton(this, look ? look->Icon : QString(),
                                    look ? QString::fromUtf8(look->Text) : hint.left(2), hint, true);
    Group_->addButton(b, static_cast<int>(i));
    Buttons_.push_back(b);
    row->addWidget(b);
  }
  if (!Buttons_.empty()) Buttons_.front()->setChecked(true);

  auto* bar = new QFrame(this);
  bar->setFrameShape(QFrame::VLine);
  bar->setFrameShadow(QFrame::Sunken);
  bar->setFixedSize(9, Buttons_.empty() ? 30 : Buttons_.front()->sizeHint().height());
  row->addWidget(bar);
  // Its own group: it stays up or down whatever tool is chosen.
  BaseButton_ = MakeEditButton(this, "edit_base", "Осн", QStringLiteral("Спрятать/показать основу"), true);
  BaseButton_->setEnabled(false);
  row->addWidget(BaseButton_);
}

QAbstractButton* TEditToolBar::Button(int index) const {
  return index >= 0 && index < Count() ? Buttons_[static_cast<std::size_t>(index)] : nullptr;
}

QAbstractButton* TEditToolBar::ButtonByHint(const QString& hint) const {
  for (QToolButton* b : Buttons_)
    if (b->toolTip() == hint) return b;
  return nullptr;
}

void TEditToolBar::CheckSilently(int index) {
  const QSignalBlocker block(Group_);
  if (QAbstractButton* b = Button(index)) b->setChecked(true);
}
