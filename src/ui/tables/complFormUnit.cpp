#include "complFormUnit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "TextGridTable.h"
#include "plan/SVInfo.h"
#include "qt/Modal.h"

namespace {

QComboBox* PickList(QWidget* parent, const char* name, const char* hint) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setToolTip(QString::fromUtf8(hint));
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

void ShowItems(QComboBox* box, const TPickList& list) {
  const QSignalBlocker quiet(box);
  box->clear();
  for (const std::string& item : list.Items) box->addItem(QString::fromStdString(item));
  box->setCurrentIndex(list.Index);
}

// The memo shows line breaks as the text control does; the model keeps CR LF.
QString MemoShown(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

TComplForm::TComplForm(const std::string& configPath, QWidget* parent)
    : QDialog(parent), Lists_(ReadComplPickLists(configPath)) {
  setObjectName(QStringLiteral("ComplForm"));
  setWindowTitle(QString::fromUtf8(TComplFormModel::Caption()));
  NaprGrid = new TTextGridView(this);
  NaprGrid->setObjectName(QStringLiteral("NaprGrid"));
  NAimLB = PickList(this, "NAimLB", "Наименование");
  TipLB = PickList(this, "TipLB", "Тип");
  LineLB = PickList(this, "LineLB", "Число жил");
  widthLB = PickList(this, "widthLB", "Сечение жилы");
  AddValuesButton = new QPushButton(QString::fromUtf8(TComplFormModel::kAddValuesCaption), this);
  AddEmptyButton = new QPushButton(QString::fromUtf8(TComplFormModel::kAddEmptyCaption), this);
  DeleteButton = new QPushButton(QString::fromUtf8(TComplFormModel::kDeleteCaption), this);
  TextField = new QPlainTextEdit(this);
  TextField->setObjectName(QStringLiteral("TextField"));
  TextField->setTabChangesFocus(true);
  OkButton = new QPushButton(QStringLiteral("Ok"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  for (QPushButton* b : {AddValuesButton, AddEmptyButton, DeleteButton, OkButton, CancelButton})
    b->setAutoDefault(false);
  OkButton->setDefault(true);

  // The pick lists in the order of the columns they fill, their buttons beside.
  auto* picks = new QHBoxLayout;
  picks->addWidget(NAimLB, 2);
  picks->addWidget(TipLB, 3);
  picks->addWidget(LineLB, 1);
  picks->addWidget(widthLB, 1);
  picks->addWidget(AddValuesButton);
  auto* rowButtons = new QHBoxLayout;
  rowButtons->addStretch(1);
  rowButtons->addWidget(AddEmptyButton);
  rowButtons->addWidget(DeleteButton);
  auto* closeButtons = new QHBoxLayout;
  closeButtons->addStretch(1);
  closeButtons->addWidget(OkButton);
  closeButtons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(NaprGrid, 3);
  layout->addLayout(picks);
  layout->addLayout(rowButtons);
  auto* memoLabel = new QLabel(QStringLiteral("Описание подключения СО:"), this);
  memoLabel->setBuddy(TextField);
  layout->addWidget(memoLabel);
  layout->addWidget(TextField, 1);
  layout->addLayout(closeButtons);

  for (QComboBox* list : {NAimLB, TipLB, LineLB, widthLB})
    connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ListChange(list); });
  connect(TextField, &QPlainTextEdit::textChanged, this, &TComplForm::TextFieldChange);
  connect(AddValuesButton, &QPushButton::clicked, this,
          [this] { RowButtonClick(TComplFormModel::kAddValuesCaption); });
  connect(AddEmptyButton, &QPushButton::clicked, this, [this] { RowButtonClick(TComplFormModel::kAddEmptyCaption); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { RowButtonClick(TComplFormModel::kDeleteCaption); });
  connect(OkButton, &QPushButton::clicked, this, &TComplForm::OkClick);
  connect(CancelButton, &QPushButton::clicked, this, &TComplForm::reject);
}

TComplForm::~TComplForm() = default;

void TComplForm::Fill(TSVInfo& info) {
  Model_ = std::make_unique<TComplFormModel>(info, Lists_);
  NaprGrid->Show(Model_->Grid(), *Model_);
  ShowItems(NAimLB, Model_->NAimLB);
  ShowItems(TipLB, Model_->TipLB);
  ShowItems(LineLB, Model_->LineLB);
  ShowItems(widthLB, Model_->widthLB);
  {
    const QSignalBlocker quiet(TextField);
    TextField->setPlainText(MemoShown(Model_->Connection()));
  }
  AddValuesButton->setEnabled(!Model_->Grid().Full());
  AddEmptyButton->setEnabled(!Model_->Grid().Full());
}

bool TComplForm::Execute(TSVInfo& info) {
  Fill(info);
  const bool stored = ExecModal(*this) == QDialog::Accepted;
  NaprGrid->Detach();
  Model_.reset();
  return stored;
}

void TComplForm::ListChange(QComboBox* list) {
  if (Model_) Model_->Select(list->objectName().toStdString(), list->currentText().toStdString());
}

void TComplForm::TextFieldChange() {
  if (Model_) Model_->SetText("TextField", TextField->toPlainText().toStdString());
}

void TComplForm::RowButtonClick(const char* caption) {
  if (!Model_ || !Model_->PressButton(caption)) return;
  NaprGrid->RowsChanged();
  AddValuesButton->setEnabled(!Model_->Grid().Full());
  AddEmptyButton->setEnabled(!Model_->Grid().Full());
}

void TComplForm::OkClick() {
  if (Model_ && Model_->Press(TDialogButton::Ok) == mrOk) accept();
}

void TComplForm::reject() {
  if (Model_) Model_->Press(TDialogButton::Cancel);
  QDialog::reject();
}
