#include "NaprForm.h"

#include "tables/NaprDataFormModel.h"

TNaprDataForm::TNaprDataForm(QWidget* parent)
    : TPlanGridDialog(parent, {QStringLiteral("Добавить "), QStringLiteral("Удалить")}) {
  setObjectName(QStringLiteral("NaprDataForm"));
}

std::unique_ptr<TPlanGridForm> TNaprDataForm::CreateModel(TSVInfo& info) {
  return std::make_unique<TNaprDataFormModel>(info);
}
