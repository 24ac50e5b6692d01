#include "Author.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/IniFile.h"

namespace {
const char* const kSection = "History";

bool HasAngleBracket(const std::string& s) { return s.find_first_of("<>") != std::string::npos; }

// A line end or another control character would break the version's header
// line, which git reads as "name <email> time zone".
bool HasControl(const std::string& s) {
  for (const unsigned char c : s)
    if (c < 0x20 || c == 0x7f) return true;
  return false;
}

std::string Login() {
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
  if (const char* user = std::getenv("USER"); user && *user) return user;
  return "user";
}

// Where the login or the host name could not sign a version, a plain
// stand-in does.
std::string Usable(const std::string& s, const char* standIn) {
  return s.empty() || !AuthorNameProblem(s).empty() ? standIn : s;
}

std::string HostName() {
  char buf[256] = {};
  if (::gethostname(buf, sizeof buf - 1) != 0 || !*buf) return "localhost";
  return buf;
}
}  // namespace

std::string TrimmedField(const std::string& s) {
  const char* const blanks = " \t\r\n\v\f";
  const std::size_t first = s.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string AuthorNameProblem(const std::string& name) {
  const std::string s = TrimmedField(name);
  if (HasAngleBracket(s)) return "Имя не может содержать знаки < и >.";
  if (HasControl(s)) return "Имя должно быть одной строкой без управляющих символов.";
  return std::string();
}

std::string AuthorEmailProblem(const std::string& email) {
  const std::string s = TrimmedField(email);
  if (s.empty()) return std::string();
  if (HasAngleBracket(s)) return "Электронная почта не может содержать знаки < и >.";
  if (HasControl(s)) return "Электронная почта должна быть одной строкой без управляющих символов.";
  if (s.find('@') == std::string::npos) return "В адресе электронной почты нет знака @ (пример: ivanov@example.ru).";
  return std::string();
}

TAuthor DefaultAuthor() {
  const std::string login = Usable(Login(), "user");
  return {login, login + "@" + Usable(HostName(), "localhost")};
}

TAuthor StoredAuthor(const TIniFile& config) {
  return {TrimmedField(config.ReadString(kSection, "AuthorName", "")),
          TrimmedField(config.ReadString(kSection, "AuthorEmail", ""))};
}

TAuthor AuthorFromConfig(const TIniFile& config) {
  // A value edited by hand that git would refuse must not stop every save
  // from recording its version: that field follows the default instead.
  TAuthor a = DefaultAuthor();
  const TAuthor stored = StoredAuthor(config);
  if (!stored.Name.empty() && AuthorNameProblem(stored.Name).empty()) a.Name = stored.Name;
  if (!stored.Email.empty() && AuthorEmailProblem(stored.Email).empty()) a.Email = stored.Email;
  return a;
}

bool WriteAuthor(TIniFile& config, const TAuthor& author) {
  return config.WriteString(kSection, "AuthorName", author.Name) &&
         config.WriteString(kSection, "AuthorEmail", author.Email);
}
