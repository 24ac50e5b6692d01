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

// login, login@host ("user" and "localhost" where those could not sign a version).
TAuthor DefaultAuthor();
// [History] AuthorName and AuthorEmail as written, trimmed; empty where the
// default is followed.
TAuthor StoredAuthor(const TIniFile& config);
// [History] AuthorName and AuthorEmail, each falling back to the default
// when empty or when git could not sign a version with it.
TAuthor AuthorFromConfig(const TIniFile& config);
// Writes both keys as given (empty keeps the default); false when
// config.ini cannot be written.
bool WriteAuthor(TIniFile& config, const TAuthor& author);

// Why a name or an e-mail cannot sign a version (a Russian sentence naming
// the field: angle brackets, line ends and other control characters break
// the signature; an e-mail needs its @), empty when it can. Both are taken
// trimmed; empty is acceptable, it means the default.
std::string AuthorNameProblem(const std::string& name);
std::string AuthorEmailProblem(const std::string& email);
// Spaces, tabs and line ends cut from both ends.
std::string TrimmedField(const std::string& s);
