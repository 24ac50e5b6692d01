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
