#pragma once
// The git program as the independent client of the versioned database's
// tests: it makes repositories, changes them as another engineer would, and
// says what the program's commits really hold.
#include <string>
#include <vector>

struct TShellRun {
  int Code = -1;
  std::string Out;
};
// Runs a shell command line, standard output captured, standard error left
// to the test's log.
TShellRun Shell(const std::string& command);
// `git -C dir ARGS` with a fixed committer, its output; fails the test when git fails.
std::string Git(const std::string& dir, const std::string& args);
// Single quotes for the shell.
std::string Quoted(const std::string& s);
// Whether the git program is there.
bool HaveGit();

// A passport's files as Windows-1251 text with CR LF: distinct for each
// passport and each `edit`, as the program would write them.
std::string MapBytes(int number, int edit);
std::string InfoBytes(int number, int edit);
// Writes svo1 … svoN with MapBytes/InfoBytes(n, 0).
void MakeDatabase(const std::string& dir, int passports);
// `id -un`@`hostname`, as the git program sees the default author.
std::string DefaultAuthorLine();
