#pragma once
// What the dialog "Автор изменений" decides: the name and the e-mail as
// typed, which of them git could not put into a version's signature, and
// what goes to config.ini. A field left empty follows the default (the
// login and login@host), so its key is written empty rather than with
// today's login.
#include <string>
#include <utility>

#include "Author.h"

class TIniFile;

class TAuthorForm {
 public:
  enum class TField { None, Name, Email };

  explicit TAuthorForm(TAuthor defaults = DefaultAuthor()) : Defaults_(std::move(defaults)) {}

  // The fields as config.ini keeps them (empty where the default is followed).
  void Load(const TIniFile& config);

  // What the user typed, untrimmed.
  std::string Name;
  std::string Email;

  // Shown greyed in empty fields.
  const TAuthor& Defaults() const { return Defaults_; }
  // The first field that cannot be recorded and why; None and an empty text when both can.
  TField BadField() const;
  std::string Problem() const;
  // The author versions are recorded under: the trimmed fields, the
  // default for each empty one.
  TAuthor Author() const;
  // Writes the trimmed fields (empty where left to the default). False when
  // a field is refused (nothing is written) or config.ini cannot be written.
  bool Store(TIniFile& config) const;

 private:
  TAuthor Defaults_;
};
