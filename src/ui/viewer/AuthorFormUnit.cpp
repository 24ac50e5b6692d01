#include "AuthorFormUnit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/IniFile.h"
#include "qt/Modal.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TAuthorDialog::TAuthorDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AuthorDialog"));
  setWindowTitle(QStringLiteral("Автор изменений"));
  auto* note = new QLabel(QStringLiteral("Под этим именем записываются версии паспортов, которые вы сохраняете.\n"
                                         "Пустое поле — имя входа в систему и имя компьютера."),
                          this);
  Name_ = new QLineEdit(this);
  Email_ = new QLineEdit(this);
  Name_->setPlaceholderText(Q(Form_.Defaults().Name));
  Email_->setPlaceholderText(Q(Form_.Defaults().Email));
  Name_->setMinimumWidth(280);
  auto* buttons = new QDialogButtonBox(this);
  Ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
  Ok_->setDefault(true);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("&Имя:"), Name_);
  fields->addRow(QStringLiteral("&Электронная почта:"), Email_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<TAuthor> TAuthorDialog::Execute(TIniFile& config) {
  config.Reload();
  Form_.Load(config);
  Name_->setText(Q(Form_.Name));
  Email_->setText(Q(Form_.Email));
  Name_->setFocus();
  while (ExecModal(*this) == QDialog::Accepted) {
    Form_.Name = Name_->text().toStdString();
    Form_.Email = Email_->text().toStdString();
    const TAuthorForm::TField bad = Form_.BadField();
    if (bad != TAuthorForm::TField::None) {
      MessageBoxOk(this, QMessageBox::Warning, windowTitle(), Q(Form_.Problem()));
      QLineEdit* edit = bad == TAuthorForm::TField::Name ? Name_ : Email_;
      edit->setFocus();
      edit->selectAll();
      continue;
    }
    if (!Form_.Store(config)) {
      MessageBoxOk(this, QMessageBox::Warning, windowTitle(),
                   QStringLiteral("Не могу записать в файл %1. Автор изменений не сохранён.").arg(Q(config.FileName())));
      return std::nullopt;
    }
    return Form_.Author();
  }
  return std::nullopt;
}
