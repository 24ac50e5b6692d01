#include "Author.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/IniFile.h"

namespace {
const char* const kSection = "History";

std::string Login() {
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
  if (const char* user = std::getenv("USER"); user && *user) return user;
  return "user";
}

std::string HostName() {
  char buf[256] = {};
  if (::gethostname(buf, sizeof buf - 1) != 0 || !*buf) return "localhost";
  return buf;
}
}  // namespace

TAuthor DefaultAuthor() {
  const std::string login = Login();
  return {login, login + "@" + HostName()};
}

TAuthor AuthorFromConfig(const TIniFile& config) {
  TAuthor a = DefaultAuthor();
  const std::string name = config.ReadString(kSection, "AuthorName", "");
  const std::string email = config.ReadString(kSection, "AuthorEmail", "");
  if (!name.empty()) a.Name = name;
  if (!email.empty()) a.Email = email;
  return a;
}

bool WriteAuthor(TIniFile& config, const TAuthor& author) {
  return config.WriteString(kSection, "AuthorName", author.Name) &&
         config.WriteString(kSection, "AuthorEmail", author.Email);
}
