#include "LayControl.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "model/SVObject.h"
#include "qt/Modal.h"
#include "view/LayerRows.h"

namespace {

const TLayerRow& Row(int row) { return LayerRows()[static_cast<std::size_t>(row)]; }

}  // namespace

QString TlayersDlg::RowLabel(int row) { return QString::fromUtf8(Row(row).Label); }

const std::vector<int>& TlayersDlg::RowLayers(int row) { return Row(row).Layers; }

TlayersDlg::TlayersDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Управление слоями"));
  installEventFilter(this);
  auto* grid = new QGridLayout(this);
  const QString hints[3] = {QStringLiteral("Видимый"), QStringLiteral("Разрешено редактирование"),
                            QStringLiteral("Показывать надписи")};
  const QString heads[3] = {QStringLiteral("Вид."), QStringLiteral("Ред."), QStringLiteral("Надп.")};
  for (int c = 0; c < 3; ++c) {
    auto* head = new QLabel(heads[c], this);
    head->setToolTip(hints[c]);
    head->setAlignment(Qt::AlignCenter);
    grid->addWidget(head, 0, c + 1);
  }
  for (int r = 0; r < kRows; ++r) {
    grid->addWidget(new QLabel(RowLabel(r), this), r + 1, 0);
    for (int c = 0; c < 3; ++c) {
      auto* box = new QCheckBox(this);
      box->setToolTip(hints[c]);
      box->installEventFilter(this);
      Boxes_[r][c] = box;
      grid->addWidget(box, r + 1, c + 1, Qt::AlignCenter);
    }
    connect(Boxes_[r][kVisible], &QCheckBox::toggled, this, [this, r] { VisibleClick(r); });
  }
  Ok_ = new QPushButton(QStringLiteral("Ok"), this);
  Ok_->installEventFilter(this);
  grid->addWidget(Ok_, kRows + 1, 0, 1, 4, Qt::AlignCenter);
  connect(Ok_, &QPushButton::clicked, this, &TlayersDlg::OkClick);
}

void TlayersDlg::VisibleClick(int row) {
  const bool on = Boxes_[row][kVisible]->isChecked();
  Boxes_[row][kEditable]->setEnabled(on);
  Boxes_[row][kText]->setEnabled(on);
}

void TlayersDlg::Fill(TSVObject& scheme) {
  for (int r = 0; r < kRows; ++r) {
    const TLayer& first = scheme.Layer(RowLayers(r).front());
    Boxes_[r][kVisible]->setChecked(first.Visible);
    Boxes_[r][kEditable]->setChecked(first.Editable);
    Boxes_[r][kText]->setChecked(first.ShowText);
    VisibleClick(r);
  }
}

void TlayersDlg::Store(TSVObject& scheme) {
  for (int r = 0; r < kRows; ++r)
    for (int n : RowLayers(r)) {
      TLayer& layer = scheme.Layer(n);
      layer.Visible = Boxes_[r][kVisible]->isChecked();
      layer.Editable = Boxes_[r][kEditable]->isChecked();
      layer.ShowText = Boxes_[r][kText]->isChecked();
    }
}

void TlayersDlg::OkClick() {
  Ok_->setFocus();
  accept();
}

// Every character typed in the dialog confirms it, whichever control has
// the focus, before that control sees the key.
bool TlayersDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
      OkClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool TlayersDlg::Execute(TSVObject& scheme) {
  Fill(scheme);
  if (ExecModal(*this) != QDialog::Accepted) return false;
  Store(scheme);
  return true;
}
