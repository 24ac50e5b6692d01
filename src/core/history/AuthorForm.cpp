#include "AuthorForm.h"

#include "platform/Codec1251.h"
#include "platform/IniFile.h"

namespace {

// config.ini is kept in Windows-1251: a character outside it would come
// back as '?', and the versions would be signed with a name nobody typed.
bool Keepable(const std::string& field) {
  for (const char32_t cp : Utf8ToCodePoints(field))
    if (EncodeChar1251(cp) < 0) return false;
  return true;
}

std::string NameProblem(const std::string& name) {
  std::string p = AuthorNameProblem(name);
  if (p.empty() && !Keepable(name)) p = "Имя содержит знаки, которые нельзя сохранить в настройках программы.";
  return p;
}

std::string EmailProblem(const std::string& email) {
  std::string p = AuthorEmailProblem(email);
  if (p.empty() && !Keepable(email))
    p = "Адрес электронной почты содержит знаки, которые нельзя сохранить в настройках программы.";
  return p;
}

}  // namespace

void TAuthorForm::Load(const TIniFile& config) {
  const TAuthor stored = StoredAuthor(config);
  Name = stored.Name;
  Email = stored.Email;
}

TAuthorForm::TField TAuthorForm::BadField() const {
  if (!NameProblem(Name).empty()) return TField::Name;
  if (!EmailProblem(Email).empty()) return TField::Email;
  return TField::None;
}

std::string TAuthorForm::Problem() const {
  const std::string name = NameProblem(Name);
  return name.empty() ? EmailProblem(Email) : name;
}

TAuthor TAuthorForm::Author() const {
  const std::string name = TrimmedField(Name), email = TrimmedField(Email);
  return {name.empty() ? Defaults_.Name : name, email.empty() ? Defaults_.Email : email};
}

bool TAuthorForm::Store(TIniFile& config) const {
  if (BadField() != TField::None) return false;
  return WriteAuthor(config, {TrimmedField(Name), TrimmedField(Email)});
}
