#include "GitTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "TestSupport.h"

TShellRun Shell(const std::string& command) {
  TShellRun r;
  std::FILE* p = ::popen(command.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.Out.append(buf, n);
  const int status = ::pclose(p);
  r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string Git(const std::string& dir, const std::string& args) {
  const TShellRun r = Shell("GIT_AUTHOR_NAME='Git Client' GIT_AUTHOR_EMAIL=client@example.org "
                            "GIT_COMMITTER_NAME='Git Client' GIT_COMMITTER_EMAIL=client@example.org "
                            "git -c init.defaultBranch=main -c core.autocrlf=false -C " +
                            Quoted(dir) + " " + args);
  EXPECT_EQ(r.Code, 0) << "git " << args << " in " << dir;
  return r.Out;
}

bool HaveGit() { return Shell("git --version >/dev/null 2>&1").Code == 0; }

std::string MapBytes(int number, int edit) {
  // "Сигнал" in Windows-1251, then a line of numbers, with CR LF.
  return "\xD1\xE8\xE3\xED\xE0\xEB " + std::to_string(number) + "\r\n" + std::to_string(number * 100 + edit) +
         " 10 20 30\r\n";
}

std::string InfoBytes(int number, int edit) {
  return "\xC0\xE4\xF0\xE5\xF1 " + std::to_string(number) + "\r\n" + std::to_string(edit) + "\r\n";
}

void MakeDatabase(const std::string& dir, int passports) {
  ::mkdir(dir.c_str(), 0777);
  for (int n = 1; n <= passports; ++n) {
    const std::string p = dir + "/svo" + std::to_string(n);
    ::mkdir(p.c_str(), 0777);
    WriteBytes(p + "/map.txt", MapBytes(n, 0));
    WriteBytes(p + "/info.txt", InfoBytes(n, 0));
  }
}

std::string DefaultAuthorLine() {
  std::string login = Shell("id -un").Out, host = Shell("hostname").Out;
  while (!login.empty() && login.back() == '\n') login.pop_back();
  while (!host.empty() && host.back() == '\n') host.pop_back();
  return login + " <" + login + "@" + host + ">";
}
