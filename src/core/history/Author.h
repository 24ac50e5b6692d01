#pragma once
// Who the versions of a passport are recorded under: the setting "Автор
// изменений" (a name and an e-mail, section [History] of config.ini), by
// default the login and the machine's name.
#include <string>

class TIniFile;

struct TAuthor {
  std::string Name;
  std::string Email;
};

// login, login@host.
TAuthor DefaultAuthor();
// [History] AuthorName and AuthorEmail, each falling back to the default.
TAuthor AuthorFromConfig(const TIniFile& config);
// Writes both keys; false when config.ini cannot be written.
bool WriteAuthor(TIniFile& config, const TAuthor& author);
