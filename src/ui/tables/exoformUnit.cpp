#include "exoformUnit.h"

#include "tables/ExoFormModel.h"

Texoform::Texoform(QWidget* parent) : TPlanGridDialog(parent, {QStringLiteral("Добавить "), QStringLiteral("Удалить")}) {
  setObjectName(QStringLiteral("exoform"));
}

std::unique_ptr<TPlanGridForm> Texoform::CreateModel(TSVInfo& info) { return std::make_unique<TExoFormModel>(info); }
