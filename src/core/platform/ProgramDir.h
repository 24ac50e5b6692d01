#pragma once
// The directory of the running program, where it keeps config.ini and finds
// Data/, help/, wav/ and template/. Paths here end with the separator.
#include <string>

const std::string& ProgramDir();
// Set once at start-up from the executable's location.
void SetProgramDir(const std::string& dir);
// The directory of the executable file of this process ("./" if unknown).
std::string ExecutableDir();

constexpr char kPathSep = '/';
// a + b with exactly one separator between them.
std::string JoinPath(const std::string& a, const std::string& b);
// dir with a trailing separator.
std::string WithTrailingSep(const std::string& dir);

// Where the program's own files (Data/, help/, cursors/, icons/, wav/,
// template/) live, seen from the executable's directory: beside the
// executable in a build tree or an unpacked copy; <prefix>/share/svpass/ for
// a program installed as <prefix>/bin/. Beside wins when it holds any of them.
std::string ProgramHomeFor(const std::string& executableDir);
// Sets ProgramDir() to the program's home found from the executable's
// directory and remembers whether the program runs installed.
void LocateProgramHome(const std::string& executableDir);
// The program's files come from a shared, installed directory: the user's
// configuration and database then live in the user's own directories.
bool ProgramInstalled();
